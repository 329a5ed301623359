// Program button showing the editor program. For now it holds what the window sets; the icon,
// drawing and launching arrive with the browser work.
#pragma once

#include <QString>
#include <QWidget>

class TExeButton final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    QString FileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    bool Auto() const { return m_auto; }
    void setAuto(bool autoSize) { m_auto = autoSize; }
    bool ShowLabel() const { return m_showLabel; }
    void setShowLabel(bool show) { m_showLabel = show; }

private:
    QString m_fileName;
    bool m_auto = false;
    bool m_showLabel = true;
};
