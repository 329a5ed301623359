// File-dialog filters: "Description|*.a;*.b|..." pairs as Qt's "Description (*.a *.b)" entries.
#pragma once

#include <QStringList>

QStringList qtNameFilters(const QString& pairs);
