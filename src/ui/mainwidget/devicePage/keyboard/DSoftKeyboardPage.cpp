#include "DSoftKeyboardPage.h"
#include "ui_DSoftKeyboardPage.h"

#include "DDataManager.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "SoftKeyboardButCustom.h"

#include <QApplication>
#include <QDebug>
#include <QFontDatabase>
#include <QHash>

namespace {

constexpr char kLayoutFile[] = "softKeyInfoNormalUS.config";
constexpr int kIconPointSize = 12;
constexpr int kSevenKey = 36;

bool isModifier(int keyCode)
{
    return keyCode >= 224 && keyCode <= 231;
}

} // namespace

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DSoftKeyboardPage)
{
    ui->setupUi(this);
    setFixedSize(PageWidth, PageHeight);
    m_iconFont = iconFont();
    updateTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage()
{
    delete ui;
}

QFont DSoftKeyboardPage::iconFont(const QString &fontFile)
{
    // Registered once per file: every registration would add the font again.
    static QHash<QString, QStringList> families;
    auto found = families.find(fontFile);
    if (found == families.end()) {
        const int id = QFontDatabase::addApplicationFont(fontFile);
        found = families.insert(fontFile, id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id));
    }
    if (found->isEmpty())
        qWarning().noquote() << QStringLiteral("Icon font %1 could not be registered; keys use the application font")
                                    .arg(fontFile);
    QFont font(found->isEmpty() ? QApplication::font().family() : found->first());
    font.setPointSize(kIconPointSize);
    return font;
}

void DSoftKeyboardPage::loadKeyboardInfo()
{
    // Always the copy the program carries, whatever the userConfig setting.
    const ReadOnlyDataFile file(QString::fromLatin1(kLayoutFile), false);
    QByteArray text;
    if (!KeyLayoutFile::readFile(file.path(), text))
        return;
    parseKeyboardInfo(text);
}

QMap<int, QString> DSoftKeyboardPage::getKeyNameMap() const
{
    QMap<int, QString> names = m_keyNames;
    for (const int code : {int(KeyLayoutFile::HanYeongKey), int(KeyLayoutFile::HanjaKey)}) {
        if (names.contains(code))
            names.insert(code, KeyLayoutFile::caption(names.value(code), code, true));
    }
    return names;
}

void DSoftKeyboardPage::parseKeyboardInfo(const QByteArray &text)
{
    // Same format as the keyboards' layouts; rows are read in array order,
    // with page coordinates and no empty cells.
    // A second layout replaces the first.
    qDeleteAll(m_keyButtons);
    m_keyButtons.clear();
    m_keyNames.clear();
    m_markedKeys.clear();
    m_modifierCount = 0;

    KeyLayoutFile layout;
    if (!layout.parse(text))
        return;

    for (int r = 0; r < KeyLayoutFile::RowCount; ++r) {
        for (int i = 0; i < layout.rowCellCount(r); ++i) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, i);
            if (cell.dec == kSevenKey)
                qDebug().noquote() << "------------------------------------------ Soft strChar:" << cell.caption;
            auto *key = new SoftKeyboardButCustom(SoftKeyboardButCustom::OnScreenKey, this);
            key->setFont(m_iconFont);
            key->setButtonSize(cell.width, cell.height);
            key->setGeometry(cell.posX, cell.posY, cell.width, cell.height);
            key->setKeyInfo(cell.dec, cell.caption);
            key->show();
            m_keyNames.insert(cell.dec, cell.caption);
            m_keyButtons.insert(cell.dec, key);
            connect(key, &SoftKeyboardButCustom::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
        }
    }
    m_keyNames.insert(-10, QStringLiteral("Fn"));
    m_keyNames.insert(-20, QStringLiteral("FN1"));
    m_keyNames.insert(231, QStringLiteral("Win/Command"));
    m_keyNames.insert(215, QStringLiteral("Calculator"));

    for (SoftKeyboardButCustom *key : qAsConst(m_keyButtons))
        key->updateTheme(m_textColour, m_markColour, m_buttonColour);
    emit sigSoftKeyboardAlreadyLoad();
}

void DSoftKeyboardPage::setSelectEnabled(int mode)
{
    m_selectionMode = mode;
}

void DSoftKeyboardPage::setMultiSelectEnabled(bool enabled)
{
    m_markingEnabled = enabled;
}

void DSoftKeyboardPage::resetAllKeyStatus()
{
    for (SoftKeyboardButCustom *key : qAsConst(m_markedKeys)) {
        key->setRestoreOnLeave(true);
        key->setButtonStatus(0);
    }
    m_markedKeys.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::resetKeyStatus(int keyCode)
{
    if (!isMarking())
        return;
    SoftKeyboardButCustom *key = m_keyButtons.value(keyCode);
    if (!key)
        return;
    key->setRestoreOnLeave(true);
    key->setButtonStatus(0);
    // The combination page refused the key: none of its marks stand, and
    // each modifier mark it held no longer counts.
    const int removed = m_markedKeys.removeAll(key);
    if (isModifier(keyCode))
        m_modifierCount = qMax(0, m_modifierCount - removed);
}

void DSoftKeyboardPage::updateTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    // Captions keep the theme's colours where they read on the keys, else
    // the nearest shade that does.
    m_markColour = themeColorInfo::readableText(theme.TextCheckedColor, theme.DeviceSoftkeyboardButColor);
    m_textColour =
        themeColorInfo::readableText(theme.DeviceSoftkeyboardButDefaultTextColor, theme.DeviceSoftkeyboardButColor);
    m_buttonColour = theme.DeviceSoftkeyboardButColor;
    ui->frame_bg->setStyleSheet(
        QStringLiteral("\t\tQFrame#frame_bg{\t\tborder-radius: 8px;\t\tborder:0px solid rgb(%1);\t\t"
                       "background-color: rgb(%2);\t\t}\t\t")
            .arg(theme.DeviceBorderColor, theme.DeviceBottomBgColor));
    for (SoftKeyboardButCustom *key : qAsConst(m_keyButtons))
        key->updateTheme(m_textColour, m_markColour, m_buttonColour);
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *key = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!key)
        return;
    if (isMarking()) {
        bool mark = true;
        if (isModifier(key->getKeyCode())) {
            ++m_modifierCount;
            if (m_modifierCount > MaxMarkedModifiers) {
                --m_modifierCount;
                mark = false;
            }
        }
        if (mark) {
            key->setRestoreOnLeave(false);
            key->setButtonStatus(1);
            m_markedKeys.append(key);
        }
    }
    emit sigSoftKeyboardClicked(key->getKeyCode(), key->getCharacter());
}

void DSoftKeyboardPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}
