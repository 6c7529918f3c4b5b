#include "DMacroListItem.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "macroStyle.h"
#include "macroListRules.h"
#include "macroMenuToolWidget.h"
#include "xmlInterface.h"

#include "ui_DMacroListItem.h"
#include "ui_macroNameEditor.h"

#include <QFile>
#include <QMouseEvent>

namespace {

constexpr int kDefaultPage = 0;

constexpr int kPopupWidth = 200;
constexpr int kPopupHeight = 150;
constexpr int kPopupArrowOffset = 93;

// The row's one style sheet: the list builds hundreds of rows, and every
// sheet set on a part of a row polishes that part again. The selection is a
// property of frame_5, so choosing a row repolishes frame_5 alone.
const char kMacroRowStyle[] =
    "QFrame#frame_5{ border: none; border-bottom: 1px solid %1;} "
    "QFrame#frame_5:hover{background-color: %2; } "
    "QFrame#frame_5[selected=\"true\"]{background-color: %3; } "
    "QLabel#label_MacroName{color: %4; font: bold 10pt \"%5\";} "
    "QLineEdit#lineEdit_MacroName{color: %6; font: bold 12pt \"%5\"; background-color: %7; border: 1px solid %1;} "
    "QLineEdit#lineEdit_MacroName:hover{border: 1px solid %8;} "
    "QLineEdit#lineEdit_MacroName:focus{border: 1px solid %8;} "
    "QPushButton#pushButton_MacroOperate{border-image:url(:/images/publicIco/dianDef.png);} "
    "QPushButton#pushButton_MacroOperate:hover, QPushButton#pushButton_MacroOperate:pressed"
    "{border-image:url(:/images/publicIco/dianSel.png);} "
    "QPushButton#pushButton_Save{border-image:url(:/images/macro/sureDef.png);} "
    "QPushButton#pushButton_Save:hover, QPushButton#pushButton_Save:pressed"
    "{border-image:url(:/images/macro/sureSel.png);} "
    "QPushButton#pushButton_Cancel{border-image:url(:/images/macro/cancelDef.png);} "
    "QPushButton#pushButton_Cancel:hover, QPushButton#pushButton_Cancel:pressed"
    "{border-image:url(:/images/macro/cancelSel.png);}";

} // namespace

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroListItem>())
{
    // Styled before the parts exist, so that none of them is styled twice.
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    // The name reads on the list and on a hovered or selected row: a theme
    // colour faint there gives way to the nearest shade that reads.
    const QString name = themeColorInfo::readableText(
        theme.MacroListItemTextColor,
        QStringList{theme.MacroLeftBgColor, theme.MacroListItemHoverColor, theme.MacroListItemSelectedColor});
    setStyleSheet(QString::fromLatin1(kMacroRowStyle)
                      .arg(css(theme.MacroBorderColor), css(theme.MacroListItemHoverColor),
                           css(theme.MacroListItemSelectedColor), css(name), theme.TextFont,
                           css(themeColorInfo::readableText(theme.TextDefaultColor, theme.MacroLeftBgColor)),
                           css(theme.MacroLeftBgColor), css(theme.TextCheckedColor)));
    ui->setupUi(this);
    ui->label_BindingStatus->hide();
    ui->stackedWidget->setCurrentIndex(kDefaultPage);
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
    if (on == m_selected)
        return;
    m_selected = on;
    setStyleProperty(ui->frame_5, "selected", on ? "true" : "false");
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
    Ui::macroNameEditor *rename = editor();
    rename->lineEdit_MacroName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(m_renamePage);
    rename->lineEdit_MacroName->setFocus();
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
    const QString text = editor()->lineEdit_MacroName->text();
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

Ui::macroNameEditor *DMacroListItem::editor()
{
    if (!m_editor) {
        m_editor = std::make_unique<Ui::macroNameEditor>();
        m_renamePage = new QWidget;
        m_editor->setupUi(m_renamePage);
        ui->stackedWidget->addWidget(m_renamePage);
        connect(m_editor->pushButton_Save, &QPushButton::clicked, this, &DMacroListItem::on_pushButton_Save_clicked);
        connect(m_editor->pushButton_Cancel, &QPushButton::clicked, this,
                &DMacroListItem::on_pushButton_Cancel_clicked);
    }
    return m_editor.get();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentIndex(kDefaultPage);
}
