// The help text of the Info page.
#pragma once

#include <QString>

QString infoHelpText();
