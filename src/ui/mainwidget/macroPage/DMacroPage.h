#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class xmlInterface;

// The macro editor's page as the main window sees it: the macro file and
// store, whether it is the page shown, and the recording it stops when the
// user leaves. The editor grows on this; until then the page only shows its
// title. The operations the window calls are virtual so that tests can put
// a page of their own in its place.
class DMacroPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);

    virtual void setMacroFileInfo(const char *macroFilePath, xmlInterface *xml);
    // True while the macro page is the page shown.
    virtual void setCurrentPageStatus(bool current);
    virtual bool getRecordStatus() const;
    virtual void startOrStopRecord();
    virtual void loadKeyboardInfo();
    virtual void loadMacroList();
    virtual void updataAllUI();
    virtual void changAppTheme();

    bool isCurrentPage() const { return m_pageIsCurrent; }
    QString macroFilePath() const { return m_macroFilePath; }

signals:
    void sigMacroListHaveChanged(QString index, QString name);
    void sigHookKeyboardRecviveStream(int unused, int deviceKeyCode, int isDown);

private:
    QLabel *m_title = nullptr;
    QString m_macroFilePath;
    xmlInterface *m_xml = nullptr;
    bool m_pageIsCurrent = false;
    bool m_recording = false;
};
