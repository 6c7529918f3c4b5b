#include "DMacroPage.h"
#include "choiceTextWrapper.h"

#include "CbNotice.h"
#include "DCatchKeyAndMouseItem.h"
#include "DDataManager.h"
#include "DMacroListItem.h"
#include "FixedText.h"
#include "TextNumber.h"
#include "WindowsHookInterface.h"
#include "macroEventRules.h"
#include "macroFileReader.h"
#include "macroListRules.h"
#include "macroStyle.h"
#include "systemMacroFileDialogs.h"
#include "xmlInterface.h"

#include "ui_DMacroPage.h"

#include <QButtonGroup>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegExpValidator>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int kHookMode = 1;
constexpr int kNoticePixelSize = 14;
constexpr int kNoticeBackgroundAlpha = 200;
constexpr int kScrollSheetDelayMs = 500;
// The scroll step of a recorded row and the part of the table it keeps in view.
constexpr int kRecordRowStep = 60;
constexpr int kRecordScrollMargin = 58;

const char kDigitsOnly[] = "[0-9]+$";
const char kTotalSuffix[] = " MS";

// Black with alpha 1 of 255: all but transparent.

const char kBackgroundStyle[] = "%1#%2{background-color: %3;}";
const char kTopLineStyle[] = "QFrame#%1{border: none; border-top: 2px solid %2;}";
const char kBottomLineStyle[] = "QFrame#%1{border: none; border-bottom: 2px solid %2;}";
const char kTextColorStyle[] = "QLabel{color: %1;}";
const char kTotalTimeStyle[] = "QLabel{color: %1; font: bold 11pt \"%2\";}";
const char kRecordFrameStyle[] =
    "QFrame#frame_Record{border-radius: 8px; border: 2px solid %1;} "
    "QFrame#frame_Record:hover{border-radius: 8px; border: 2px solid %2;}";
const char kRecordIcon[] = "border-image:url(:/images/macro/%1);";
const char kScrollBarStyle[] =
    "QScrollBar:vertical{width: 3px; background: transparent; margin: 3px 0px 3px 0px;} "
    "QScrollBar::handle:vertical{background: rgba(0,0,0,0.2); min-height: 20px; border-radius: 1px;} "
    "QScrollBar::handle:vertical:hover{background: rgba(0,0,0,0.3);} "
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px; border: none; background: none;} "
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: %1; border-radius: 3px;}";
// A box and its children: B background, D text, C checked, F font family;
// every text bold.
const char kBoxStyle[] =
    "QFrame#%1{background-color: %2;} "
    "QLabel{color: %3; background: transparent;} "
    "QRadioButton{font: bold 10pt \"%5\"; color: %3; background: transparent;} "
    "QRadioButton:checked{color: %4;} "
    "QRadioButton::indicator{width: 10px; height: 10px; border-radius: 6px;} "
    "QRadioButton::indicator:unchecked{border: 2px solid %3; background: transparent;} "
    "QRadioButton::indicator:checked{border: 2px solid white; background-color: %4;} "
    "QLineEdit{color: %3; font: bold 8pt \"%5\"; background-color: %2; border: 1px solid %3;} "
    "QLineEdit:hover{border: 1px solid %4;} "
    "QLineEdit:focus{border: 1px solid %4;}";
const char kDelayBoxExtra[] = " QLabel#label_10{color: %1;} QLabel#label_11{color: %2; font: bold 11pt \"%3\";}";
const char kActionButtonStyle[] =
    "QPushButton{border-radius: 8px; border: 1px solid %1; background-color: %2; color: %3;} "
    "QPushButton:hover{background-color: %4; border: 1px solid %5;} "
    "QPushButton:pressed{background-color: %6; color: %5; border: 1px solid %5;}";
const char kKeyFieldStyle[] =
    "QLineEdit{font: bold 8pt \"%1\"; color: %2; background-color: %3; border: 1px solid %2;} "
    "QLineEdit:hover{border: 1px solid %4;} "
    "QLineEdit:focus{border: 1px solid %4;}";

QString fieldText(const char *field)
{
    return QString::fromUtf8(field);
}

} // namespace

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroPage>())
    , m_dialogs(std::make_unique<systemMacroFileDialogs>())
{
    ui->setupUi(this);
    ui->radioButton_Delay->hide();
    m_desktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    const QRegExp digits(QString::fromLatin1(kDigitsOnly));
    ui->lineEdit_EnterDelayNum->setValidator(new QRegExpValidator(digits, ui->lineEdit_EnterDelayNum));
    ui->lineEdit_DelayNum->setValidator(new QRegExpValidator(digits, ui->lineEdit_DelayNum));

    loadKeyboardInfo();

    m_delayGroup = new QButtonGroup(this);
    m_delayGroup->addButton(ui->radioButton_RecordDelay, macroRecorder::RecordDelay);
    m_delayGroup->addButton(ui->radioButton_NoDelay, macroRecorder::NoDelay);
    m_delayGroup->addButton(ui->radioButton_DefaultDelay, macroRecorder::DefaultDelay);
    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
    // Long translations of the choices break into lines.
    for (QWidget *choices : {ui->radioButton_RecordDelay->parentWidget(), ui->page_Mouse, ui->widget_PropertyMouse})
        m_choiceWrappers.append(new choiceTextWrapper(choices));

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(kNoticePixelSize);
    m_noticeSink = m_notice;
    // Constructed after every other page's hook object, so the hooks' events
    // come here.
    m_hook = new WindowsHookInterface(this);

    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    ui->frame_Record->installEventFilter(this);
    ui->lineEdit_EnterKey->installEventFilter(this);
    ui->lineEdit_PressKey->installEventFilter(this);

    initUiStatus();
    clearMacroListItems();
    clearEventListItems();

    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX, this, &DMacroPage::onKeyboardRecviveStream);
    connect(m_hook, &WindowsHookInterface::sigMouseRecviveStream, this, &DMacroPage::onMouseRecviveStream);
    QScrollBar *bar = ui->scrollArea_3->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &DMacroPage::onScrollAreaValueChanged);
    connect(bar, &QScrollBar::sliderReleased, this, &DMacroPage::onSliderReleased);
}

DMacroPage::~DMacroPage()
{
    // The hooks are the program's; a page going away must not leave the
    // keyboard grabbed for a recording nobody can stop.
    if (m_recorder.isRecording())
        m_hook->uninstallHook();
}

// --- Main window's calls -----------------------------------------------------

void DMacroPage::setMacroFileInfo(const char *macroFilePath, xmlInterface *xml)
{
    // Kept whole: a path cut to a fixed buffer would name another file.
    m_macroFilePath = macroFilePath ? QFile::decodeName(macroFilePath) : QString();
    m_xml = xml;
}

void DMacroPage::loadKeyboardInfo()
{
    m_keyMaps.load();
}

bool DMacroPage::parseKeyboardInfo(const QByteArray &layoutText)
{
    return m_keyMaps.parse(layoutText);
}

QString DMacroPage::createMark()
{
    return QString::fromLatin1(macroEventRules::createMark());
}

bool DMacroPage::getRecordStatus() const
{
    return m_recorder.isRecording();
}

void DMacroPage::setCurrentPageStatus(bool current)
{
    m_pageIsCurrent = current;
}

void DMacroPage::setClock(macroRecorder::Clock clock)
{
    m_recorder.setClock(std::move(clock));
}

void DMacroPage::setFileDialogs(std::unique_ptr<macroFileDialogs> dialogs)
{
    m_dialogs = dialogs ? std::move(dialogs) : std::make_unique<systemMacroFileDialogs>();
}

void DMacroPage::setNoticeSink(CbNoticeInterface *sink)
{
    m_noticeSink = sink ? sink : m_notice;
}

void DMacroPage::showMessage(const QString &text)
{
    m_noticeSink->showNotice(text, rect().center());
}

// --- Macro list -----------------------------------------------------------------

// Rows are deleted later: a row may be removed from inside its own signal.
void DMacroPage::clearRows(QLayout *layout)
{
    while (layout->count() > 1) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

void DMacroPage::clearMacroListItems()
{
    clearRows(ui->verticalLayout_17);
}

DMacroListItem *DMacroPage::rebuildMacroRows()
{
    clearMacroListItems();
    m_macroRows.clear();
    m_currentRow = nullptr;

    xmlIndexNameList list;
    if (m_xml)
        m_xml->getMacroList(m_macroFilePath, list);
    const QByteArray path = QFile::encodeName(m_macroFilePath);
    for (const auto &pair : qAsConst(list)) {
        auto *row = new DMacroListItem(ui->scrollAreaWidgetContents_2);
        connect(row, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
        connect(row, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
        connect(row, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
        connect(row, &DMacroListItem::sigModifyMacroItemNameFailed, this, &DMacroPage::onModifyMacroItemNameFailed);
        connect(row, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
        connect(row, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
        row->setMacroFileInfo(path.constData(), m_xml);
        row->setItemInfo(QString::fromUtf8(pair.first), QString::fromUtf8(pair.second));
        ui->verticalLayout_17->insertWidget(ui->verticalLayout_17->count() - 1, row);
        m_macroRows.append(row);
    }
    return m_macroRows.value(0);
}

void DMacroPage::rebuildRowsKeepingCurrent()
{
    rebuildMacroRows();
    for (DMacroListItem *row : qAsConst(m_macroRows)) {
        if (row->getIndex() == m_currentIndex) {
            row->setSelectedStatus(true);
            m_currentRow = row;
        }
    }
}

void DMacroPage::loadMacroList()
{
    if (m_recorder.isRecording()) {
        // A recording stays with its macro: the rows are rebuilt around it
        // and its events are left as they are.
        rebuildRowsKeepingCurrent();
        return;
    }
    DMacroListItem *first = rebuildMacroRows();
    if (!first) {
        showNoMacro();
        return;
    }
    selectMacro(first, first->getIndex(), first->getName());
}

void DMacroPage::showNoMacro()
{
    m_currentRow = nullptr;
    m_currentIndex.clear();
    m_currentName.clear();
    clearEventSelection();
    clearEventListItems();
    m_totalTime = 0;
    showTotalTime();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
}

void DMacroPage::onMacroItemMouseClicked(QString index, QString name)
{
    selectMacro(qobject_cast<DMacroListItem *>(sender()), index, name);
}

void DMacroPage::selectMacro(DMacroListItem *row, const QString &index, const QString &name)
{
    if (row && row != m_currentRow) {
        for (DMacroListItem *other : qAsConst(m_macroRows))
            other->setSelectedStatus(other == row);
        m_currentRow = row;
        m_recorder.clearPending();
    }
    clearEventSelection();
    m_currentIndex = index;
    m_currentName = name;
    m_totalTime = 0;
    clearEventListItems();

    QList<macroItemInfo> items;
    if (m_xml)
        m_xml->getMacroItems(m_macroFilePath, index.toUtf8(), name.toUtf8(), items);
    if (items.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    } else {
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        for (const macroItemInfo &item : qAsConst(items)) {
            insertEventItem(item, m_eventRows.size());
            m_totalTime += textToInt(item.delay);
        }
    }
    showTotalTime();
}

void DMacroPage::reloadFromFile()
{
    if (m_xml && !m_currentIndex.isEmpty() && m_xml->findNode(m_macroFilePath, m_currentIndex.toUtf8()))
        selectMacro(nullptr, m_currentIndex, m_currentName);
    else
        loadMacroList();
}

// --- Event table ------------------------------------------------------------------

void DMacroPage::clearEventListItems()
{
    clearRows(ui->verticalLayout_20);
    m_eventRows.clear();
}

DCatchKeyAndMouseItem *DMacroPage::insertEventItem(const macroItemInfo &item, int position)
{
    auto *row = new DCatchKeyAndMouseItem(fieldText(item.mark), ui->scrollAreaWidgetContents_3);
    row->setItemInfo(textToInt(item.delay), fieldText(item.type), textToInt(item.keyCode), fieldText(item.codeName),
                     fieldText(item.operateExplain));
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    connect(row, &DCatchKeyAndMouseItem::sigMouseEnter, this, &DMacroPage::onMouseEnter);
    connect(row, &DCatchKeyAndMouseItem::sigMouseLeave, this, &DMacroPage::onMouseLeave);
    ui->verticalLayout_20->insertWidget(position, row);
    m_eventRows.insert(position, row);
    return row;
}

void DMacroPage::removeEventRow(DCatchKeyAndMouseItem *row)
{
    ui->verticalLayout_20->removeWidget(row);
    m_eventRows.removeAll(row);
    addToTotal(-textToInt(row->getDelay().toLatin1().constData()));
    if (row == m_selectedRow)
        clearEventSelection();
    row->hide();
    row->deleteLater();
}

macroItemInfo DMacroPage::rowItem(const DCatchKeyAndMouseItem *row) const
{
    return macroEventRules::makeItem(row->getMark().toUtf8(), textToInt(row->getDelay().toLatin1().constData()),
                                     row->getType(), textToInt(row->getKeyCode().toLatin1().constData()),
                                     row->getCodeName(), row->getOperateExplain());
}

QList<macroItemInfo> DMacroPage::tableItems() const
{
    QList<macroItemInfo> items;
    for (const DCatchKeyAndMouseItem *row : m_eventRows)
        items << rowItem(row);
    return items;
}

DCatchKeyAndMouseItem *DMacroPage::partnerOf(const DCatchKeyAndMouseItem *row) const
{
    for (DCatchKeyAndMouseItem *other : m_eventRows) {
        if (other->getMark() == row->getMark() && other->getOperateExplain() != row->getOperateExplain())
            return other;
    }
    return nullptr;
}

int DMacroPage::markOrdinal(const DCatchKeyAndMouseItem *row) const
{
    int ordinal = 0;
    for (const DCatchKeyAndMouseItem *other : m_eventRows) {
        if (other == row)
            return ordinal;
        if (other->getMark() == row->getMark())
            ++ordinal;
    }
    return ordinal;
}

int DMacroPage::selectedPosition() const
{
    return m_selectedRow ? m_eventRows.indexOf(m_selectedRow) : 0;
}

void DMacroPage::clearEventSelection()
{
    m_eventSelected = false;
    m_selectedRow = nullptr;
    m_selectedMark.clear();
    m_selectedSecond = 0;
}

void DMacroPage::showTotalTime()
{
    ui->label_TotalTime->setText(QString::number(m_totalTime) + QLatin1String(kTotalSuffix));
}

void DMacroPage::addToTotal(qint64 delta)
{
    m_totalTime += delta;
    showTotalTime();
}

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    Q_UNUSED(keyCode)
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row || !m_eventRows.contains(row))
        return;
    ui->lineEdit_PressKey->clear();
    m_selectedRow = row;
    m_selectedSecond = operateExplain.contains(QLatin1String(macroEventRules::Down)) ? 0 : 1;
    m_selectedMark = row->getMark();

    ui->lineEdit_DelayNum->setText(delay);
    if (type == QLatin1String(macroEventRules::KeyType)) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == QLatin1String(macroEventRules::MouseType)) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }
    if (type.contains(QLatin1String(macroEventRules::MouseType))) {
        if (codeName.contains(QLatin1String("Left")))
            ui->radioButton_1left->setChecked(true);
        else if (codeName.contains(QLatin1String("Center")))
            ui->radioButton_2center->setChecked(true);
        else if (codeName.contains(QLatin1String("Right")))
            ui->radioButton_3right->setChecked(true);
    } else {
        ui->lineEdit_PressKey->setText(codeName);
    }
    m_eventSelected = true;

    for (DCatchKeyAndMouseItem *other : qAsConst(m_eventRows))
        other->setHoverStatus(other->getMark() == m_selectedMark && other->getOperateExplain() != operateExplain);
    row->setHoverStatus(true);
    for (DCatchKeyAndMouseItem *other : qAsConst(m_eventRows)) {
        if (other->getMark() == m_selectedMark && other->getOperateExplain() == operateExplain)
            other->setSelectedStatus(true);
    }
}

void DMacroPage::onMouseEnter(QString mark, QString operateExplain)
{
    for (DCatchKeyAndMouseItem *row : qAsConst(m_eventRows)) {
        if (row->getMark() == mark && row->getOperateExplain() != operateExplain) {
            row->setHoverStatus(true);
            return;
        }
    }
}

void DMacroPage::onMouseLeave(QString mark, QString operateExplain)
{
    for (DCatchKeyAndMouseItem *row : qAsConst(m_eventRows)) {
        if (row->getMark() == mark && row->getOperateExplain() != operateExplain) {
            row->setHoverStatus(false);
            return;
        }
    }
}

void DMacroPage::onScrollAreaValueChanged(int value)
{
    qDebug() << "---------------- ScrollArea ------------------- value:" << value;
}

void DMacroPage::onSliderReleased()
{
    qDebug() << "---------------- ScrollArea ------------------- value:" << ui->scrollArea_3->verticalScrollBar()->value();
}

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}

// --- Hook events -----------------------------------------------------------------

void DMacroPage::onKeyboardRecviveStream(int vk, int isDown, int flags)
{
    vk = macroKeyMaps::routedVk(vk, flags);
    const int code = m_keyMaps.deviceCode(vk);
    if (!m_pageIsCurrent) {
        emit sigHookKeyboardRecviveStream(0, code, isDown);
        return;
    }
    const QString caption = m_keyMaps.caption(vk);
    if (m_recorder.isRecording()) {
        const std::optional<macroItemInfo> item =
            isDown ? m_recorder.keyDown(vk, code, caption, delayRule()) : m_recorder.keyUp(vk, delayRule());
        if (item)
            addRecordEvent(*item);
        return;
    }
    m_capturedCaption = caption;
    m_capturedCode = code;
    qDebug().noquote() << "---------------------*** Insert charDefDec:" << code << "  strKeyChar:" << caption;
    if (ui->lineEdit_EnterKey->hasFocus())
        ui->lineEdit_EnterKey->setText(caption);
    else
        ui->lineEdit_PressKey->setText(caption);
}

void DMacroPage::onMouseRecviveStream(int code, WPARAM message, LPARAM record)
{
    Q_UNUSED(code)
    Q_UNUSED(record)
    // The clicks that start and stop a recording are the Record frame's own.
    if (!m_recorder.isRecording() || m_pointerOverRecord)
        return;
    if (const std::optional<macroItemInfo> item = m_recorder.mouse(static_cast<int>(message), delayRule()))
        addRecordEvent(*item);
}

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Record) {
        switch (event->type()) {
        case QEvent::Enter:
            m_pointerOverRecord = true;
            break;
        case QEvent::Leave:
            m_pointerOverRecord = false;
            break;
        case QEvent::MouseButtonRelease:
            startOrStopRecord();
            break;
        default:
            break;
        }
    } else if (watched == ui->lineEdit_EnterKey || watched == ui->lineEdit_PressKey) {
        // A recording holds the hooks itself: the fields losing the focus to
        // the disabled panels must not take them away.
        if (event->type() == QEvent::FocusIn) {
            qDebug() << "---------------- QEvent::FocusIn -------------------";
            if (!m_recorder.isRecording() && !m_hook->installHook(kHookMode))
                showMessage(tr("Capturing keys and mouse needs an X11 session"));
        } else if (event->type() == QEvent::FocusOut) {
            qDebug() << "---------------- QEvent::FocusOut -------------------";
            if (!m_recorder.isRecording())
                m_hook->uninstallHook();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int unit = contentsRect().width() / 10;
    ui->frame_Left->setMaximumWidth(static_cast<int>(unit * 2.8));
    ui->frame_Center->setMaximumWidth(static_cast<int>(unit * 4.4));
    ui->frame_Right->setMaximumWidth(static_cast<int>(unit * 2.8));
}

// --- Recording ---------------------------------------------------------------------

macroRecorder::DelayRule DMacroPage::delayRule() const
{
    macroRecorder::DelayRule rule;
    rule.mode = m_delayGroup->checkedId();
    rule.defaultDelay = ui->lineEdit_DefaultDelayNum->text();
    return rule;
}

void DMacroPage::startOrStopRecord()
{
    if (!m_recorder.isRecording()) {
        if (!m_currentRow)
            return;
        if (!m_hook->installHook(kHookMode)) {
            showMessage(tr("Capturing keys and mouse needs an X11 session"));
            return;
        }
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        m_recorder.start(m_eventRows.size());
        applyRecordLook();
        showMessage(tr("Start record macro"));
        showTotalTime();
        setRecordingEnabled(true);
        return;
    }

    // Keys and buttons still held get their release, so nothing stays
    // pressed when the macro plays.
    m_recorder.stop();
    m_hook->uninstallHook();
    applyRecordLook();
    showMessage(tr("Stop record macro"));
    saveRecordEvents();
    m_recorder.clearPending();
    setRecordingEnabled(false);
    emit sigMacroListHaveChanged(m_currentIndex, m_currentName);
}

void DMacroPage::setRecordingEnabled(bool recording)
{
    // The list goes too: a click there would move or lose the recording.
    for (QWidget *panel : {ui->frame_6, ui->frame_5, ui->frame_Center, ui->frame_29})
        panel->setEnabled(!recording);
}

void DMacroPage::applyRecordLook()
{
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const bool recording = m_recorder.isRecording();
    ui->label->setStyleSheet(QString::fromLatin1(kTextColorStyle)
                                 .arg(css(themeColorInfo::readableText(
                                     recording ? theme.TextCheckedColor : theme.TextDefaultColor,
                                     theme.MacroLeftBgColor))));
    ui->label->setFont(m_pageFont);
    ui->label->setText(recording ? tr("Stop") : tr("Record"));
    ui->frame_Record->setStyleSheet(QString::fromLatin1(kRecordFrameStyle)
                                        .arg(css(recording ? theme.TextCheckedColor : theme.MacroBorderColor),
                                             css(theme.TextCheckedColor)));
    ui->frame_RecordIco->setStyleSheet(
        QString::fromLatin1(kRecordIcon).arg(QLatin1String(recording ? "recordSel.png" : "recordDef.png")));
}

void DMacroPage::addRecordEvent(const macroItemInfo &item)
{
    addToTotal(textToInt(item.delay));
    insertEventItem(item, m_eventRows.size());
    QScrollBar *bar = ui->scrollArea_3->verticalScrollBar();
    bar->setValue(kRecordRowStep * m_eventRows.size() - ui->frame_11->height() - kRecordScrollMargin);
}

void DMacroPage::saveRecordEvents()
{
    const QList<macroItemInfo> pending = m_recorder.pending();
    const bool saved =
        pending.isEmpty() || !m_xml || m_xml->addMacroItems(m_macroFilePath, pending, m_currentIndex.toUtf8());
    // The table then shows what the file holds.
    reloadFromFile();
    if (!saved)
        showMessage(tr("Save record macro failed"));
}

// --- Panels ------------------------------------------------------------------------

void DMacroPage::initUiStatus()
{
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
    ui->radioButton_MouseLeft->setChecked(true);
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Add"));
    ui->pushButton_ClearMacroLst->setToolTip(tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(tr("Up"));
    ui->pushButton_MoveDown->setToolTip(tr("Down"));
    // The rows take the new language; a recording's rows are rebuilt when
    // it stops.
    if (!m_recorder.isRecording() && m_xml && !m_currentName.isEmpty()
        && m_xml->findNode(m_macroFilePath, m_currentIndex.toUtf8()))
        selectMacro(nullptr, m_currentIndex, m_currentName);
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_Delay_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Delay);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}

// --- Event editing -------------------------------------------------------------------

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    if (!m_eventSelected) {
        showMessage(tr("Please select a specific location first"));
        return;
    }
    const bool key = ui->radioButton_Key->isChecked();
    if (key && m_capturedCaption.isEmpty()) {
        showMessage(tr("Please enter a key"));
        return;
    }
    if (!macroEventRules::pairFits(m_eventRows.size())) {
        showMessage(tr("The record of events has reached the limit"));
        return;
    }

    const QByteArray mark = macroEventRules::createMark();
    const int at = selectedPosition() + (ui->radioButton_InsertAfter->isChecked() ? 1 : 0);
    const QString down = QString::fromLatin1(macroEventRules::Down);
    const QString up = QString::fromLatin1(macroEventRules::Up);
    if (key) {
        const QString type = QString::fromLatin1(macroEventRules::KeyType);
        insertEventItem(macroEventRules::makeItem(mark, 0, type, m_capturedCode, m_capturedCaption, down), at);
        insertEventItem(macroEventRules::makeItem(mark, 0, type, m_capturedCode, m_capturedCaption, up), at + 1);
    } else {
        macroEventRules::MouseButton button = macroEventRules::LeftButton;
        if (ui->radioButton_MouseCenter->isChecked()) {
            qDebug() << "----------------------- Center ----------------------";
            button = macroEventRules::MiddleButton;
        } else if (ui->radioButton_MouseRight->isChecked()) {
            qDebug() << "----------------------- Right ----------------------";
            button = macroEventRules::RightButton;
        } else {
            qDebug() << "----------------------- Left ----------------------";
        }
        const QString type = QString::fromLatin1(macroEventRules::MouseType);
        insertEventItem(macroEventRules::makeItem(mark, 0, type, macroEventRules::mouseMessage(button, true),
                                                  macroEventRules::mouseName(button, true), down), at);
        insertEventItem(macroEventRules::makeItem(mark, 0, type, macroEventRules::mouseMessage(button, false),
                                                  macroEventRules::mouseName(button, false), up), at + 1);
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);

    // One save: the macro is never missing from the file, whatever happens.
    if (!m_xml || !m_xml->replaceMacroItems(m_macroFilePath, m_currentIndex.toUtf8(), tableItems())) {
        showMessage(tr("Insert failed"));
        reloadFromFile();
        return;
    }
    showMessage(tr("Insert successful"));
    emit sigMacroListHaveChanged(m_currentIndex, m_currentName);
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    qDebug() << "----------------- **** on_pushButton_ModifyMacro_clicked **** -------------------";
    if (!m_eventSelected || !m_selectedRow) {
        showMessage(tr("Please select a specific location first"));
        return;
    }
    const QString typed = ui->lineEdit_PressKey->text();
    const bool key = ui->radioButton_KeyboardEvent->isChecked();
    if (key && typed.isEmpty()) {
        showMessage(tr("Please enter a key"));
        return;
    }

    DCatchKeyAndMouseItem *row = m_selectedRow;
    QString type = QString::fromLatin1(macroEventRules::KeyType);
    int code = textToInt(row->getKeyCode().toLatin1().constData());
    QString name = row->getCodeName();
    if (typed != row->getCodeName()) {
        code = m_capturedCode;
        name = typed;
    }
    macroEventRules::MouseButton button = macroEventRules::LeftButton;
    if (!key) {
        type = QString::fromLatin1(macroEventRules::MouseType);
        if (ui->radioButton_2center->isChecked())
            button = macroEventRules::MiddleButton;
        else if (ui->radioButton_3right->isChecked())
            button = macroEventRules::RightButton;
        const bool press = m_selectedSecond == 0;
        code = macroEventRules::mouseMessage(button, press);
        name = macroEventRules::mouseName(button, press);
    }
    const int delay = macroEventRules::delayFromText(ui->lineEdit_DelayNum->text());

    addToTotal(qint64(delay) - textToInt(row->getDelay().toLatin1().constData()));
    const int rowOrdinal = markOrdinal(row);
    row->setItemInfo(delay, type, code, name, row->getOperateExplain());

    DCatchKeyAndMouseItem *partner = partnerOf(row);
    int partnerOrdinal = 0;
    if (partner) {
        int partnerCode = code;
        QString partnerName = name;
        if (!key) {
            const bool press = partner->getOperateExplain() == QLatin1String(macroEventRules::Down);
            partnerCode = macroEventRules::mouseMessage(button, press);
            partnerName = macroEventRules::mouseName(button, press);
        }
        partnerOrdinal = markOrdinal(partner);
        partner->setItemInfo(textToInt(partner->getDelay().toLatin1().constData()), type, partnerCode, partnerName,
                             partner->getOperateExplain());
    }

    // The store finds an event by its mark as the first or second of it;
    // a mark shared by more (hand-made files) is written as the table.
    bool stored = m_xml != nullptr;
    const QByteArray index = m_currentIndex.toUtf8();
    const QByteArray mark = row->getMark().toUtf8();
    if (stored && (rowOrdinal > 1 || partnerOrdinal > 1)) {
        stored = m_xml->replaceMacroItems(m_macroFilePath, index, tableItems());
    } else if (stored) {
        stored = m_xml->updateMacroItem(m_macroFilePath, index, mark, rowOrdinal == 1, rowItem(row));
        if (stored && partner)
            stored = m_xml->updateMacroItem(m_macroFilePath, index, mark, partnerOrdinal == 1, rowItem(partner));
    }
    if (!stored) {
        showMessage(tr("Modify failed"));
        reloadFromFile();
        return;
    }
    showMessage(tr("Modify successful"));
    emit sigMacroListHaveChanged(m_currentIndex, m_currentName);
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row || !m_eventRows.contains(row))
        return;
    // The store removes every event of the mark: so does the table.
    const QString mark = row->getMark();
    const QList<DCatchKeyAndMouseItem *> rows = m_eventRows;
    for (DCatchKeyAndMouseItem *other : rows) {
        if (other->getMark() == mark)
            removeEventRow(other);
    }
    if (m_eventRows.isEmpty())
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    if (!m_xml || !m_xml->deleteMacroItem(m_macroFilePath, m_currentIndex.toUtf8(), mark.toUtf8())) {
        reloadFromFile();
        return;
    }
    emit sigMacroListHaveChanged(m_currentIndex, m_currentName);
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    moveSelected(true);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    moveSelected(false);
}

void DMacroPage::moveSelected(bool up)
{
    if (!m_eventSelected || !m_selectedRow) {
        showMessage(tr("Please select a specific location first"));
        return;
    }
    const int position = selectedPosition();
    const int neighbourPosition = up ? position - 1 : position + 1;
    if (neighbourPosition < 0 || neighbourPosition >= m_eventRows.size())
        return;
    DCatchKeyAndMouseItem *row = m_selectedRow;
    const DCatchKeyAndMouseItem *neighbour = m_eventRows.at(neighbourPosition);
    // A press never passes its own release.
    if (neighbour->getMark() == row->getMark() && neighbour->getOperateExplain() != row->getOperateExplain())
        return;

    const int ordinal = markOrdinal(row);
    m_eventRows.move(position, neighbourPosition);
    ui->verticalLayout_20->removeWidget(row);
    ui->verticalLayout_20->insertWidget(neighbourPosition, row);

    bool stored = m_xml != nullptr;
    if (stored && ordinal > 1)
        stored = m_xml->replaceMacroItems(m_macroFilePath, m_currentIndex.toUtf8(), tableItems());
    else if (stored)
        stored = m_xml->moveMacroItem(m_macroFilePath, m_currentIndex.toUtf8(), row->getMark().toUtf8(), up,
                                      ordinal == 1);
    if (!stored) {
        reloadFromFile();
        return;
    }
    emit sigMacroListHaveChanged(m_currentIndex, m_currentName);
}

// --- Macro list operations ---------------------------------------------------------

void DMacroPage::on_pushButton_Add_clicked()
{
    xmlIndexNameList list;
    if (m_xml)
        m_xml->getMacroList(m_macroFilePath, list);
    const int index = macroListRules::freeIndex(macroListRules::indexesOf(list));
    const bool added = m_xml
        && m_xml->addMacro(m_macroFilePath, QByteArray::number(index), macroListRules::defaultName(index).toUtf8());
    loadMacroList();
    if (added)
        showMessage(tr("Add macro successful"));
    else
        showMessage(tr("Add macro failed"));
}

void DMacroPage::onDeleteMacro(QString index, QString name)
{
    Q_UNUSED(name)
    if (!m_xml || !m_xml->deleteNode(m_macroFilePath, index.toUtf8())) {
        showMessage(tr("Delete macro failed"));
        // The list as the file has it, the current macro kept when it is there.
        if (!m_currentIndex.isEmpty() && m_xml && m_xml->findNode(m_macroFilePath, m_currentIndex.toUtf8()))
            rebuildRowsKeepingCurrent();
        else
            loadMacroList();
        return;
    }

    auto *deleted = qobject_cast<DMacroListItem *>(sender());
    if (!deleted || !m_macroRows.contains(deleted)) {
        deleted = nullptr;
        for (DMacroListItem *row : qAsConst(m_macroRows)) {
            if (row->getIndex() == index)
                deleted = row;
        }
    }
    if (deleted) {
        ui->verticalLayout_17->removeWidget(deleted);
        m_macroRows.removeAll(deleted);
        deleted->hide();
        deleted->deleteLater();
    }
    showMessage(tr("Delete macro successful"));

    if (index == m_currentIndex) {
        m_currentRow = nullptr;
        if (DMacroListItem *first = m_macroRows.value(0))
            selectMacro(first, first->getIndex(), first->getName());
        else
            showNoMacro();
    }
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (m_currentIndex.isEmpty()) {
        showMessage(tr("Please select a macro first"));
        return;
    }
    // One save: the macro stays in the file, empty, with its name whole.
    if (!m_xml || !m_xml->replaceMacroItems(m_macroFilePath, m_currentIndex.toUtf8(), {})) {
        showMessage(tr("Clear record macro failed"));
        reloadFromFile();
        return;
    }
    clearEventListItems();
    m_recorder.clearPending();
    clearEventSelection();
    m_totalTime = 0;
    showTotalTime();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    showMessage(tr("Clear record macro successful"));
    emit sigMacroListHaveChanged(m_currentIndex, m_currentName);
}

void DMacroPage::on_pushButton_Import_clicked()
{
    const QString filePath = m_dialogs->openMacroFile(this, m_desktopFolder);
    if (filePath.isEmpty())
        return;
    QList<macroItemInfo> items;
    switch (macroFileReader::readLastMacro(filePath, items)) {
    case macroFileReader::NotMacroFile:
        showMessage(tr("Not a macro file"));
        return;
    case macroFileReader::InvalidEvents:
        showMessage(tr("The macro file holds invalid events"));
        return;
    case macroFileReader::Ok:
        break;
    }
    // An unmarked event could not be edited alone: an empty mark names them all.
    for (macroItemInfo &item : items) {
        if (item.mark[0] == '\0')
            fixedTextCopy(item.mark, macroEventRules::createMark());
    }

    xmlIndexNameList list;
    if (m_xml)
        m_xml->getMacroList(m_macroFilePath, list);
    const int index = macroListRules::nextIndex(macroListRules::indexesOf(list));
    const bool added = m_xml
        && m_xml->addMacroWithItems(m_macroFilePath, QByteArray::number(index),
                                    macroListRules::importName(filePath, index), items);
    loadMacroList();
    if (added)
        showMessage(tr("Import macro successful"));
    else
        showMessage(tr("Import macro failed"));
}

void DMacroPage::onExportMacroChildList(QString index, QString name)
{
    const QString folder = m_dialogs->chooseExportFolder(this, m_desktopFolder);
    if (folder.isEmpty()) {
        showMessage(tr("Please select save directory first"));
        return;
    }
    const QString filePath = folder + QLatin1Char('/')
        + macroListRules::exportFileName(name, textToInt(index.toLatin1().constData())) + QStringLiteral(".xml");
    // An export over the macro file itself would leave one macro of all.
    const QFileInfo target(filePath);
    const QFileInfo macroFile(m_macroFilePath);
    const bool overMacroFile = target.absoluteFilePath() == macroFile.absoluteFilePath()
        || (target.exists() && target.canonicalFilePath() == macroFile.canonicalFilePath());

    QList<macroItemInfo> items;
    const bool exported = m_xml && !overMacroFile
        && m_xml->getMacroItems(m_macroFilePath, index.toUtf8(), name.toUtf8(), items)
        && m_xml->createMacroFile(filePath, index.toUtf8(), name.toUtf8(), items);
    if (exported)
        showMessage(tr("Export macro successful"));
    else
        showMessage(tr("Export macro failed"));
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showMessage(tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (row && row == m_currentRow)
        m_currentName = row->getName();
    showMessage(tr("Modify macro name successful"));
}

void DMacroPage::onModifyMacroItemNameFailed()
{
    showMessage(tr("Modify macro name failed"));
}

// --- Language and theme -----------------------------------------------------------

void DMacroPage::updataAllUI()
{
    ui->retranslateUi(this);
    // The form's texts are the idle ones.
    applyRecordLook();
    showTotalTime();
    initUiStatus();
    for (choiceTextWrapper *wrapper : qAsConst(m_choiceWrappers))
        wrapper->refit();
}

void DMacroPage::changAppTheme()
{
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QString border = css(theme.MacroBorderColor);
    // The three columns share one background colour in every theme; texts
    // that a theme leaves faint on it take the nearest shade that reads.
    const QString checked = css(themeColorInfo::readableText(theme.TextCheckedColor, theme.MacroCenterBgColor));
    const QString text = css(themeColorInfo::readableText(theme.TextDefaultColor, theme.MacroCenterBgColor));
    const QString leftBackground = css(theme.MacroLeftBgColor);
    const QString rightBackground = css(theme.MacroRightBgColor);
    const QString &font = theme.TextFont;

    m_notice->setBackgroundColor(themeColorInfo::withAlpha(theme.AllBgColor, kNoticeBackgroundAlpha));
    m_notice->setTextColor(themeColorInfo::readableOn(themeColorInfo::opaqueColor(theme.TextCheckedColor),
                                                      themeColorInfo::opaqueColor(theme.AllBgColor)));
    QFont noticeFont(font);
    noticeFont.setPixelSize(kNoticePixelSize);
    m_notice->setTextFont(noticeFont);

    ui->frame_29->setStyleSheet(QString::fromLatin1(kBackgroundStyle).arg(QStringLiteral("QFrame"),
                                                                           QStringLiteral("frame_29"),
                                                                           leftBackground));
    for (QWidget *area : {static_cast<QWidget *>(ui->scrollArea_2), static_cast<QWidget *>(ui->scrollArea_3)})
        area->setStyleSheet(QString::fromLatin1(kBackgroundStyle)
                                .arg(QStringLiteral("QScrollArea"), area->objectName(), css(QLatin1String(kNearlyTransparent))));
    for (QWidget *contents : {ui->scrollAreaWidgetContents_2, ui->scrollAreaWidgetContents_3})
        contents->setStyleSheet(QString::fromLatin1(kBackgroundStyle)
                                    .arg(QStringLiteral("QWidget"), contents->objectName(),
                                         css(QLatin1String(kNearlyTransparent))));
    for (QWidget *frame : {ui->frame_2, ui->frame_4, ui->frame_8, ui->frame_10})
        frame->setStyleSheet(QString::fromLatin1(kTopLineStyle).arg(frame->objectName(), border));
    ui->frame_26->setStyleSheet(QString::fromLatin1(kBottomLineStyle).arg(QStringLiteral("frame_26"), border));
    for (QWidget *title : {ui->label_MacroGroup, ui->label_12, ui->label_14, ui->label_InsertMacro, ui->label_Property})
        title->setStyleSheet(QString::fromLatin1(kTextColorStyle).arg(checked));
    ui->label_TotalTime->setStyleSheet(QString::fromLatin1(kTotalTimeStyle).arg(text, font));
    ui->frame_Center->setStyleSheet(QString::fromLatin1(kBackgroundStyle).arg(QStringLiteral("QFrame"),
                                                                              QStringLiteral("frame_Center"),
                                                                              css(theme.MacroCenterBgColor)));
    m_scrollSheet = QString::fromLatin1(kScrollBarStyle).arg(css(theme.HomeScrollBarBgColor));
    ui->widget_5->setStyleSheet(m_scrollSheet);

    ui->frame_24->setStyleSheet(QString::fromLatin1(kBoxStyle).arg(QStringLiteral("frame_24"), leftBackground,
                                                                    text, checked, font)
                                + QString::fromLatin1(kDelayBoxExtra).arg(checked, text, font));
    for (QWidget *box : {ui->frame_6, ui->frame_5})
        box->setStyleSheet(QString::fromLatin1(kBoxStyle).arg(box->objectName(), rightBackground, text,
                                                              checked, font));
    const QString action = QString::fromLatin1(kActionButtonStyle)
                               .arg(border, rightBackground, text, css(theme.MacroListItemSelectedColor), checked,
                                    css(theme.MacroListItemHoverColor));
    ui->pushButton_InsertMacro->setStyleSheet(action);
    ui->pushButton_ModifyMacro->setStyleSheet(action);
    const QString keyField = QString::fromLatin1(kKeyFieldStyle).arg(font, text, rightBackground, checked);
    ui->lineEdit_EnterKey->setStyleSheet(keyField);
    ui->lineEdit_PressKey->setStyleSheet(keyField);

    loadMacroList();

    QFont titleFont = DDataManager::instance()->getFont(0);
    titleFont.setPointSize(12);
    for (QWidget *title : {ui->label_MacroGroup, ui->label_10, ui->label_12, ui->label_InsertMacro, ui->label_Property})
        title->setFont(titleFont);
    m_pageFont = DDataManager::instance()->getFont(0);
    m_pageFont.setPointSize(11);
    ui->pushButton_InsertMacro->setFont(m_pageFont);
    ui->pushButton_ModifyMacro->setFont(m_pageFont);
    QFont emptyFont = m_pageFont;
    emptyFont.setPointSize(18);
    ui->label_14->setFont(emptyFont);
    QFont smallFont = DDataManager::instance()->getFont(1);
    smallFont.setPointSize(10);
    for (QWidget *label : {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4, ui->label_3, ui->label_13})
        label->setFont(smallFont);
    applyRecordLook();

    QTimer::singleShot(kScrollSheetDelayMs, this, &DMacroPage::onScrollSheetSet);
}
