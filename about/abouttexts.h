// The maker's texts and addresses shown by the About window.
#pragma once

#include <QString>
#include <QUrl>

// Placeholders under example.com: the maker has no real address of ours to give.
QUrl webSiteUrl();
QUrl contactUrl();

// The maker's self-description, ten centred lines ending with the way to the web site.
QString makerText();

// The program's copyright notice and its terms of use and redistribution.
QString copyrightText();
