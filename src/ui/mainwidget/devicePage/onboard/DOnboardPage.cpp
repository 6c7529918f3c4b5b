#include "DOnboardPage.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DSoftKeyboardPage.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "SoftKeyboardButCustom.h"
#include "onboardKeyRules.h"
#include "onboardKeyboardKeyTool.h"

#include "ui_DOnboardPage.h"

#include <QHideEvent>

namespace {

constexpr char kLayoutFolder[] = "onboardDeviceConfig/";

constexpr int kTipWidth = 210;
constexpr int kTipHeight = 90;
constexpr int kTipArrowOffset = 95;
// Puts the arrow's tip (offset + 7) on the key's centre.
constexpr int kTipShiftX = 102;

const char kTipStyle[] = "color: rgb(%1); font: bold 12pt \"%2\";";
const char kTipTextColor[] = "245, 245, 245";
const char kFrameStyle[] = "QFrame#frame_bg{ border-radius: 8px; border: 0px solid rgb(%1); background-color: rgb(%2); }";

} // namespace

DOnboardPage::DOnboardPage(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DOnboardPage>())
    , m_iconFont(DSoftKeyboardPage::iconFont())
{
    m_ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(onboardKeyRules::pageWidth(0), onboardKeyRules::PageHeight);
    changAppTheme();
}

DOnboardPage::~DOnboardPage()
{
    closeHoverPopup();
}

void DOnboardPage::setModel(const QString &model, int keyCount)
{
    m_model = model;
    m_keyCount = keyCount;
    setFixedSize(onboardKeyRules::pageWidth(keyCount), onboardKeyRules::PageHeight);
    loadKeyboardInfo(model);
}

void DOnboardPage::loadKeyboardInfo(const QString &model)
{
    clearKeys();
    // Always the layout the program carries, whatever the userConfig setting.
    const ReadOnlyDataFile file(QLatin1String(kLayoutFolder) + KeyLayoutFile::fileNameForModel(model), false);
    QByteArray text;
    if (!KeyLayoutFile::readFile(file.path(), text))
        return;
    parseKeyboardInfo(text);
}

void DOnboardPage::parseKeyboardInfo(const QByteArray &text)
{
    clearKeys();
    KeyLayoutFile layout;
    if (!layout.parse(text))
        return;

    for (int row = 0; row < KeyLayoutFile::RowCount; ++row) {
        for (int column = 0; column < KeyLayoutFile::ColumnCount; ++column) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(row, column);
            // A cell that is missing or lacks a field keeps its place in the
            // list as an empty key: the download counts places.
            const bool usable = cell.complete;
            const int code = usable ? cell.dec : 0;
            const QRect area = usable ? QRect(cell.posX, cell.posY, cell.width, cell.height) : QRect(-1, -1, 0, 0);
            auto *key = new SoftKeyboardButCustom(SoftKeyboardButCustom::OnboardKey, this);
            key->setFont(m_iconFont);
            key->setButtonSize(area.width(), area.height());
            key->setGeometry(area);
            key->setKeyInfo(code, usable ? KeyLayoutFile::caption(cell.rawCaption, code, false) : QString());
            key->show();
            m_keyButtonMap.insert(code, key);
            m_keyButtonList.append(key);
            connect(key, &SoftKeyboardButCustom::clicked, this, &DOnboardPage::onKeyButtonClicked);
            connect(key, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked, this,
                    &DOnboardPage::onButtonMouseRightKeyClicked);
            connect(key, &SoftKeyboardButCustom::sigCustomButMouseEnter, this, &DOnboardPage::onCustomButMouseEnter);
            connect(key, &SoftKeyboardButCustom::sigCustomButMouseLeave, this, &DOnboardPage::onCustomButMouseLeave);
        }
    }
    for (SoftKeyboardButCustom *key : qAsConst(m_keyButtonList))
        key->updateTheme(m_keyTextColor, m_highlightColor, m_keyBackground);
    emit sigOnboardLayoutUIAlreadyLoad();
}

void DOnboardPage::clearKeys()
{
    closeHoverPopup();
    m_selectedKey = nullptr;
    qDeleteAll(m_keyButtonList);
    m_keyButtonList.clear();
    m_keyButtonMap.clear();
}

void DOnboardPage::resetKeyTexts(int mode)
{
    // Every button of the list, not of the map, where a code met twice would
    // hide its first key.
    for (SoftKeyboardButCustom *key : qAsConst(m_keyButtonList)) {
        if (mode == 1) {
            key->setKeyText(QString());
        } else if (mode == 0) {
            key->setKeyText(QString());
            key->setKeyInfo(key->getKeyCode(), key->getCharacter());
        }
    }
}

void DOnboardPage::clearSelectedKey()
{
    if (m_selectedKey)
        m_selectedKey->setButtonStatus(0);
    m_selectedKey = nullptr;
}

void DOnboardPage::onKeyButtonClicked()
{
    auto *key = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!key || !onboardKeyRules::isSelectable(key->getKeyCode(), m_keyCount))
        return;
    if (m_selectedKey)
        m_selectedKey->setButtonStatus(0);
    key->setButtonStatus(1);
    m_selectedKey = key;
    emit sigKeyboardClicked(key->getKeyCode(), key->getCharacter());
}

void DOnboardPage::onButtonMouseRightKeyClicked(int keyCode, QString caption)
{
    if (onboardKeyRules::reportsRightClick(keyCode))
        emit sigKeyboardMouseRightKeyClicked(keyCode, caption);
}

void DOnboardPage::onCustomButMouseEnter()
{
    auto *key = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!key)
        return;
    // An enter without its leave must not leave a tip behind.
    closeHoverPopup();

    QString text = key->getKeyText();
    text.remove(QLatin1Char('"'));
    auto *tip = new onboardKeyboardKeyTool;
    if (text.isEmpty()) {
        text = tr("Empty");
        tip->setLabelStyle(QString::fromLatin1(kTipStyle).arg(m_highlightColor, m_fontFamily));
    } else {
        tip->setLabelStyle(QString::fromLatin1(kTipStyle).arg(QLatin1String(kTipTextColor), m_fontFamily));
    }
    tip->setLabelText(text);
    tip->setWindowOpacity(1.0);

    m_hoverPopup = new ArrowWidget(1);
    // The tip must not take the focus from the window under it.
    m_hoverPopup->setAttribute(Qt::WA_ShowWithoutActivating);
    m_hoverPopup->setPopupSize(kTipWidth, kTipHeight);
    m_hoverPopup->setArrowOffset(kTipArrowOffset);
    m_hoverPopup->setContentWidget(tip);
    m_hoverPopup->move(key->mapToGlobal(QPoint(key->width() / 2, key->height()))
                       - QPoint(kTipShiftX, key->height() + kTipHeight));
    m_hoverPopup->show();
}

void DOnboardPage::onCustomButMouseLeave()
{
    closeHoverPopup();
}

void DOnboardPage::hideEvent(QHideEvent *event)
{
    // The key under the mouse gets no leave once its page is gone.
    closeHoverPopup();
    QWidget::hideEvent(event);
}

void DOnboardPage::closeHoverPopup()
{
    if (!m_hoverPopup)
        return;
    m_hoverPopup->hide();
    delete m_hoverPopup.data();
    m_hoverPopup = nullptr;
}

void DOnboardPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    // Key captions keep the theme's colours where they read on the keys.
    m_highlightColor = themeColorInfo::readableText(theme.TextCheckedColor, theme.DeviceOnboardButColor);
    m_keyTextColor = themeColorInfo::readableText(theme.DeviceOnboardButDefaultTextColor, theme.DeviceOnboardButColor);
    m_keyBackground = theme.DeviceOnboardButColor;
    m_fontFamily = theme.TextFont;
    m_ui->frame_bg->setStyleSheet(
        QString::fromLatin1(kFrameStyle).arg(theme.DeviceBorderColor, theme.DeviceOnboardBgColor));
    for (SoftKeyboardButCustom *key : qAsConst(m_keyButtonList))
        key->updateTheme(m_keyTextColor, m_highlightColor, m_keyBackground);
}
