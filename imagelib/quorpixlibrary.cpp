#include "quorpixlibrary.h"

#include <QCoreApplication>

QStringList QuorpixLibrary::candidates(const QString& programFolder) {
    return {programFolder + QStringLiteral("/quorpix"),
            programFolder + QStringLiteral("/../lib/clipstash/quorpix"), QStringLiteral("quorpix")};
}

bool QuorpixLibrary::load() {
    if (m_library.isLoaded())
        return true;
    for (const QString& name : candidates(QCoreApplication::applicationDirPath())) {
        m_library.setFileName(name);
        if (m_library.load())
            return true;
    }
    return false;
}

void QuorpixLibrary::unload() {
    if (m_library.isLoaded())
        m_library.unload();
}
