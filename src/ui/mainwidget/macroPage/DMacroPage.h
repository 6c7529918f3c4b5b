#pragma once

#include "WindowsInputCodes.h"
#include "macroKeyMaps.h"
#include "macroRecorder.h"
#include "xmlRecords.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DMacroPage;
}

class CbNotice;
class CbNoticeInterface;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class QButtonGroup;
class QLayout;
class WindowsHookInterface;
class choiceTextWrapper;
class macroFileDialogs;
class xmlInterface;

// The macro editor: the list of stored macros, the events of the current
// one, recording from the desktop's keyboard and mouse through the global
// hooks, editing, import and export. The macro file is the authority: every
// change goes to the store at once and the rows are a view of the file.
//
// Its hook object is the program's last one, so every key the hooks catch
// arrives here; while another page is shown the keys are passed on with
// sigHookKeyboardRecviveStream.
class DMacroPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    // The main window's calls. Virtual so that its tests can stand in a page
    // of their own.
    virtual void setMacroFileInfo(const char *macroFilePath, xmlInterface *xml);
    virtual void loadKeyboardInfo();
    virtual void loadMacroList();
    virtual void startOrStopRecord();
    virtual bool getRecordStatus() const;
    virtual void setCurrentPageStatus(bool current);
    virtual void updataAllUI();
    virtual void changAppTheme();

    void initUiStatus();
    bool parseKeyboardInfo(const QByteArray &layoutText);
    static QString createMark();

    bool isCurrentPage() const { return m_pageIsCurrent; }
    QString macroFilePath() const { return m_macroFilePath; }
    QString currentIndex() const { return m_currentIndex; }
    QString currentName() const { return m_currentName; }
    // The rows in table and list order.
    QList<DCatchKeyAndMouseItem *> eventRows() const { return m_eventRows; }
    QList<DMacroListItem *> macroRows() const { return m_macroRows; }

    // Seams: the recording clock, the file dialogs, and where messages go
    // (the page's own toast when null).
    void setClock(macroRecorder::Clock clock);
    void setFileDialogs(std::unique_ptr<macroFileDialogs> dialogs);
    void setNoticeSink(CbNoticeInterface *sink);

signals:
    void sigMacroListHaveChanged(QString index, QString name);
    void sigHookKeyboardRecviveStream(int unused, int deviceKeyCode, int isDown);

public slots:
    void onKeyboardRecviveStream(int vk, int isDown, int flags);
    void onMouseRecviveStream(int code, WPARAM message, LPARAM record);
    void onMacroItemMouseClicked(QString index, QString name);
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onModifyMacroItemNameFailed();
    void onExportMacroChildList(QString index, QString name);
    void onDeleteMacro(QString index, QString name);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                QString operateExplain);
    void onDeleteKeyAndMouseEvent();
    void onMouseEnter(QString mark, QString operateExplain);
    void onMouseLeave(QString mark, QString operateExplain);
    void onScrollAreaValueChanged(int value);
    void onSliderReleased();
    void onScrollSheetSet();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_Delay_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_ClearMacroLst_clicked();

private:
    static void clearRows(QLayout *layout);

    // Macro list.
    void clearMacroListItems();
    DMacroListItem *rebuildMacroRows();
    // The rows again, the current macro's selected, its events left alone.
    void rebuildRowsKeepingCurrent();
    void selectMacro(DMacroListItem *row, const QString &index, const QString &name);
    void showNoMacro();
    // After a store failure: the current macro as the file has it, or the
    // list again when the macro is gone.
    void reloadFromFile();

    // Event table.
    void clearEventListItems();
    DCatchKeyAndMouseItem *insertEventItem(const macroItemInfo &item, int position);
    void removeEventRow(DCatchKeyAndMouseItem *row);
    QList<macroItemInfo> tableItems() const;
    macroItemInfo rowItem(const DCatchKeyAndMouseItem *row) const;
    DCatchKeyAndMouseItem *partnerOf(const DCatchKeyAndMouseItem *row) const;
    // 0 for the first row with its mark, 1 for the second, ...
    int markOrdinal(const DCatchKeyAndMouseItem *row) const;
    int selectedPosition() const;
    void clearEventSelection();
    void showTotalTime();
    void addToTotal(qint64 delta);
    void moveSelected(bool up);

    // Recording.
    macroRecorder::DelayRule delayRule() const;
    void addRecordEvent(const macroItemInfo &item);
    void saveRecordEvents();
    void setRecordingEnabled(bool recording);
    void applyRecordLook();

    void showMessage(const QString &text);

    std::unique_ptr<Ui::DMacroPage> ui;
    QList<choiceTextWrapper *> m_choiceWrappers;
    QString m_macroFilePath;
    xmlInterface *m_xml = nullptr;
    QString m_desktopFolder;
    macroKeyMaps m_keyMaps;

    QList<DMacroListItem *> m_macroRows;
    DMacroListItem *m_currentRow = nullptr;
    QString m_currentIndex;
    QString m_currentName;

    QList<DCatchKeyAndMouseItem *> m_eventRows;
    qint64 m_totalTime = 0;
    bool m_eventSelected = false;
    DCatchKeyAndMouseItem *m_selectedRow = nullptr;
    QString m_selectedMark;
    int m_selectedSecond = 0;

    QString m_capturedCaption;
    int m_capturedCode = -1;

    bool m_pageIsCurrent = false;
    bool m_pointerOverRecord = false;
    macroRecorder m_recorder;

    QButtonGroup *m_delayGroup = nullptr;
    WindowsHookInterface *m_hook = nullptr;
    CbNotice *m_notice = nullptr;
    CbNoticeInterface *m_noticeSink = nullptr;
    std::unique_ptr<macroFileDialogs> m_dialogs;

    QString m_scrollSheet;
    QFont m_pageFont;
};
