// Loads the quorpix module by name for the components that look its entry points up.
#pragma once

#include <QLibrary>
#include <QStringList>

class QuorpixLibrary {
public:
    // Where "quorpix" is looked for, in order: beside the program, the installed module
    // folder, then the bare name for the system's own search.
    static QStringList candidates(const QString& programFolder);

    QuorpixLibrary() = default;
    ~QuorpixLibrary() { unload(); }
    QuorpixLibrary(const QuorpixLibrary&) = delete;
    QuorpixLibrary& operator=(const QuorpixLibrary&) = delete;

    bool load();
    void unload();
    bool isLoaded() const { return m_library.isLoaded(); }
    QString fileName() const { return m_library.fileName(); }

    // The entry point, or null when it is missing.
    template <typename Function> Function entry(const char* name) {
        return reinterpret_cast<Function>(m_library.resolve(name));
    }

private:
    QLibrary m_library;
};
