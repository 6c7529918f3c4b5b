#include "DCustomLightListItem.h"

#include "DDataManager.h"
#include "FixedText.h"
#include "xmlInterface.h"
#include "xmlRecords.h"

#include "ui_DCustomLightListItem.h"

#include <QFile>
#include <QMouseEvent>
#include <QStringList>

namespace {

constexpr int kDefaultPage = 0;
constexpr int kRenamePage = 1;

const char kUsing[] = "Using";
// An unselected row is all but transparent: black with alpha 1 of 255. Qt
// reads an alpha of 1 as the fraction 1.0, which is opaque black, so it is
// written as the fraction 1/255.
const char kUnselectedBackground[] = "0,0,0,0.004";

const char kFrameStyle[] =
    "QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1); background-color: rgba(%2);} "
    "QFrame#frame_5:hover{\tbackground-color: rgb(%3); }";
const char kSelectedFrameStyle[] =
    "QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
    "QFrame#frame_5{\tbackground-color: rgb(%2); }";
const char kLabelStyle[] = "QLabel#label_CustomItemName{ color: rgb(%1); font: bold 9pt \"%2\";}";
const char kEditorStyle[] =
    "QLineEdit{ color: rgb(%1); font: bold 9pt \"%2\"; background-color: rgb(%3); "
    "border: 1px solid rgb(%4);} "
    "QLineEdit:hover{ border: 1px solid rgb(%5);} "
    "QLineEdit:pressed{ border: 1px solid rgb(%5);}";

} // namespace

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DCustomLightListItem>())
{
    m_ui->setupUi(this);
    m_ui->stackedWidget->setCurrentIndex(kDefaultPage);
    takeThemeTexts();
    applyStyles();
}

DCustomLightListItem::~DCustomLightListItem() = default;

void DCustomLightListItem::setConfigInfo(const char *profilePath, xmlInterface *store)
{
    // Kept whole: a path cut to a fixed buffer would name another file.
    m_profilePath = profilePath ? QFile::decodeName(profilePath) : QString();
    m_store = store;
}

void DCustomLightListItem::setItemInfo(const QString &profileIndex, const QString &customIndex,
                                       const QString &name, const QString &usingStatus, int usingFlagIndex)
{
    m_profileIndex = profileIndex;
    m_customIndex = customIndex;
    m_name = name;
    m_usingStatus = usingStatus;
    m_usingFlagIndex = usingFlagIndex;
    setUsingChecked(usingStatus == QLatin1String(kUsing));
    m_ui->label_CustomItemName->setText(name);
}

void DCustomLightListItem::setSelectedStyle(bool selected)
{
    m_selected = selected;
    applyStyles();
}

void DCustomLightListItem::setUsingChecked(bool checked)
{
    // setChecked() emits toggled() only; the row's signal follows clicks.
    m_ui->checkBox->setChecked(checked);
}

void DCustomLightListItem::updateTheme()
{
    takeThemeTexts();
    applyStyles();
}

QString DCustomLightListItem::getCustomIndex() const { return m_customIndex; }
QString DCustomLightListItem::getCustomName() const { return m_name; }
QString DCustomLightListItem::getUsingStatus() const { return m_usingStatus; }
void DCustomLightListItem::setUsingStatus(const QString &status) { m_usingStatus = status; }
int DCustomLightListItem::getUsingFlagIndex() const { return m_usingFlagIndex; }
void DCustomLightListItem::setUsingFlagIndex(int index) { m_usingFlagIndex = index; }

QByteArray DCustomLightListItem::storedName(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    constexpr std::size_t limit = sizeof(customLightInfo::name) - 1;
    return utf8.left(static_cast<int>(
        fixedTextFitLength(utf8.constData(), static_cast<std::size_t>(utf8.size()), limit)));
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    // Only presses no child took arrive here; they stop at the row.
    event->accept();
    emit sigCustomLightItemMouseClicked(m_customIndex, m_name);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first press of the double click has already emitted the click.
    event->accept();
    m_ui->lineEdit_CustomItemName->setText(m_name);
    m_ui->stackedWidget->setCurrentIndex(kRenamePage);
}

void DCustomLightListItem::on_checkBox_clicked(bool checked)
{
    emit sigCustomLightUsingStatus(checked);
    m_ui->checkBox->clearFocus();
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString text = m_ui->lineEdit_CustomItemName->text();
    if (text.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    const QByteArray name = storedName(text);
    const bool stored = m_store
        && m_store->setCustomLightName(m_profilePath, m_profileIndex.toLatin1(), m_customIndex.toLatin1(), name);
    m_ui->stackedWidget->setCurrentIndex(kDefaultPage);
    if (!stored) {
        emit sigModifyCustomLightItemNameFailed();
        return;
    }
    m_name = QString::fromUtf8(name);
    m_ui->label_CustomItemName->setText(m_name);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    m_ui->stackedWidget->setCurrentIndex(kDefaultPage);
}

void DCustomLightListItem::takeThemeTexts()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_borderColor = theme.DeviceBorderColor;
    m_unselectedBgColor = QString::fromLatin1(kUnselectedBackground);
    m_hoverColor = theme.DeviceLeftAreaItemHoverColor;
    // The rows lie on the lighting panel, lit when hovered or selected: the
    // theme's text colours, or the nearest shade that reads there.
    m_textDefaultColor = themeColorInfo::readableText(theme.DeviceLeftAreaItemTextDefaultColor,
                                                      QStringList{theme.DeviceCenterBgColor, m_hoverColor});
    m_textSelectedColor = themeColorInfo::readableText(theme.DeviceLeftAreaItemTextSelectedColor, m_hoverColor);
    m_textFont = theme.TextFont;
    m_editorTextColor = theme.TextDefaultColor;
    m_editorBgColor = theme.DeviceCenterBgColor;
    m_editorFocusColor = theme.TextCheckedColor;
}

void DCustomLightListItem::applyStyles()
{
    if (m_selected) {
        m_ui->frame_5->setStyleSheet(QString::fromLatin1(kSelectedFrameStyle).arg(m_borderColor, m_hoverColor));
    } else {
        m_ui->frame_5->setStyleSheet(
            QString::fromLatin1(kFrameStyle).arg(m_borderColor, m_unselectedBgColor, m_hoverColor));
    }
    m_ui->label_CustomItemName->setStyleSheet(QString::fromLatin1(kLabelStyle)
        .arg(m_selected ? m_textSelectedColor : m_textDefaultColor, m_textFont));
    m_ui->lineEdit_CustomItemName->setStyleSheet(QString::fromLatin1(kEditorStyle)
        .arg(m_editorTextColor, m_textFont, m_editorBgColor, m_borderColor, m_editorFocusColor));
}
