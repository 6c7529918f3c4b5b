#include "DMacroListItem.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "cssColor.h"
#include "macroListRules.h"
#include "macroMenuToolWidget.h"
#include "xmlInterface.h"

#include "ui_DMacroListItem.h"

#include <QFile>
#include <QMouseEvent>

namespace {

constexpr int kDefaultPage = 0;
constexpr int kRenamePage = 1;

constexpr int kPopupWidth = 200;
constexpr int kPopupHeight = 150;
constexpr int kPopupArrowOffset = 93;

const char kNormalStyle[] =
    "QFrame#frame_5{ border: none; border-bottom: 1px solid %1;} "
    "QFrame#frame_5:hover{background-color: %2; }";
const char kSelectedStyle[] =
    "QFrame#frame_5{ border: none; border-bottom: 1px solid %1;} "
    "QFrame#frame_5{background-color: %2; }";
const char kNameStyle[] = "QLabel#label_MacroName{color: %1; font: bold 10pt \"%2\";}";
const char kEditorStyle[] =
    "QLineEdit{color: %1; font: bold 12pt \"%2\"; background-color: %3; border: 1px solid %4;} "
    "QLineEdit:hover{border: 1px solid %5;} "
    "QLineEdit:focus{border: 1px solid %5;}";

} // namespace

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroListItem>())
{
    ui->setupUi(this);
    ui->label_BindingStatus->hide();
    ui->stackedWidget->setCurrentIndex(kDefaultPage);

    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_borderColor = cssColor(theme.MacroBorderColor);
    m_selectedColor = cssColor(theme.MacroListItemSelectedColor);
    m_hoverColor = cssColor(theme.MacroListItemHoverColor);
    ui->label_MacroName->setStyleSheet(
        QString::fromLatin1(kNameStyle).arg(cssColor(theme.MacroListItemTextColor), theme.TextFont));
    ui->lineEdit_MacroName->setStyleSheet(QString::fromLatin1(kEditorStyle)
                                              .arg(cssColor(theme.TextDefaultColor), theme.TextFont,
                                                   cssColor(theme.MacroLeftBgColor), m_borderColor,
                                                   cssColor(theme.TextCheckedColor)));
    applyFrameStyle();
}

DMacroListItem::~DMacroListItem() = default;

void DMacroListItem::setMacroFileInfo(const char *macroFilePath, xmlInterface *xml)
{
    // Kept whole: a path cut to a fixed buffer would name another file.
    m_macroFilePath = macroFilePath ? QFile::decodeName(macroFilePath) : QString();
    m_xml = xml;
}

void DMacroListItem::setItemInfo(const QString &index, const QString &name)
{
    m_index = index;
    m_name = name;
    ui->label_MacroName->setText(name);
}

void DMacroListItem::setSelectedStatus(bool on)
{
    m_selected = on;
    applyFrameStyle();
}

void DMacroListItem::applyFrameStyle()
{
    ui->frame_5->setStyleSheet(m_selected ? QString::fromLatin1(kSelectedStyle).arg(m_borderColor, m_selectedColor)
                                          : QString::fromLatin1(kNormalStyle).arg(m_borderColor, m_hoverColor));
}

void DMacroListItem::onCloseMenuWidow()
{
    if (m_popup)
        m_popup->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_index, m_name);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_index, m_name);
}

void DMacroListItem::onMacroModifyNanme()
{
    ui->lineEdit_MacroName->setText(m_name);
    ui->stackedWidget->setCurrentIndex(kRenamePage);
    ui->lineEdit_MacroName->setFocus();
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigMacroItemMouseClicked(m_index, m_name);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    onMacroModifyNanme();
}

void DMacroListItem::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void DMacroListItem::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    if (!m_popup) {
        auto *menu = new macroMenuToolWidget;
        connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
        connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
        connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
        connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);
        m_popup = new ArrowWidget(0, this);
        m_popup->setPopupSize(kPopupWidth, kPopupHeight);
        m_popup->setArrowOffset(kPopupArrowOffset);
        m_popup->setContentWidget(menu);
    }
    QPushButton *button = ui->pushButton_MacroOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    m_popup->move(anchor - QPoint(kPopupWidth / 2, 20));
    m_popup->show();
    m_popup->activateWindow();
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString text = ui->lineEdit_MacroName->text();
    if (text.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    const QByteArray name = macroListRules::cappedName(text);
    const bool stored = m_xml && m_xml->setNodeName(m_macroFilePath, m_index.toLatin1(), name);
    ui->stackedWidget->setCurrentIndex(kDefaultPage);
    if (!stored) {
        emit sigModifyMacroItemNameFailed();
        return;
    }
    setItemInfo(m_index, QString::fromUtf8(name));
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentIndex(kDefaultPage);
}
