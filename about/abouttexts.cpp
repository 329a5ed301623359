#include "abouttexts.h"

QUrl webSiteUrl() {
    return QUrl(QStringLiteral("https://velmor-graphics.example.com/"));
}

QUrl contactUrl() {
    return QUrl(QStringLiteral("mailto:contact@velmor-graphics.example.com"));
}

QString makerText() {
    return QStringLiteral("Velmor Graphics\n"
                          "\n"
                          "We make small, quick tools\n"
                          "for working with pictures:\n"
                          "grabbing, converting,\n"
                          "viewing and printing.\n"
                          "\n"
                          "All of them share one set\n"
                          "of graphics libraries.\n"
                          "Click below to visit our website.");
}

QString copyrightText() {
    return QStringLiteral(
        "Clipstash\n"
        "Copyright (C) Velmor Graphics. All rights reserved.\n"
        "\n"
        "Terms of use\n"
        "This program is free for personal and business use. It is provided as it is, "
        "without any warranty: you use it at your own risk, and the maker is not liable for "
        "any loss or damage that comes from its use.\n"
        "\n"
        "Redistribution\n"
        "You may give away copies of this program, provided that all its files are passed on "
        "together and unchanged, and that no charge is made beyond the cost of the medium. "
        "It may not be sold, rented or bundled with a product that is sold without the "
        "maker's written permission.\n"
        "\n"
        "The graphics libraries that come with it are covered by the same terms.");
}
