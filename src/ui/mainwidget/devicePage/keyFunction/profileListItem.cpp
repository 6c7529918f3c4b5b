#include "profileListItem.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "pageTextFitter.h"
#include "proFileOperateMenuToolWidget.h"

#include "ui_profileListItem.h"

#include <QMouseEvent>

namespace {

constexpr int kPopupWidth = 200;
constexpr int kPopupHeight = 120;
constexpr int kArrowOffset = 93;
// Puts the arrow's tip (offset + 7) under the button's centre.
const QPoint kPopupShift(100, 10);
constexpr int kButtonBottomInset = 15;

const char kNormalFrameStyle[] =
    "QFrame#frame{ border: none; border-bottom: 1px solid rgb(%1); } "
    "QFrame#frame:hover{ background-color: rgb(%2); }";
const char kSelectedFrameStyle[] =
    "QFrame#frame{ border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2); }";
const char kNameStyle[] = "QLabel#label_ProfileName{ color: rgb(%1); font: bold 10pt \"%2\"; }";

} // namespace

profileListItem::profileListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::profileListItem>())
{
    m_ui->setupUi(this);
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;
    m_ui->label_ProfileName->setStyleSheet(
        QString::fromLatin1(kNameStyle).arg(theme.MacroListItemTextColor, theme.TextFont));
    // A long name would run under the menu button.
    m_nameFitter = new pageTextFitter(this);
    setSelectedStatus(false);
}

profileListItem::~profileListItem() = default;

void profileListItem::setProfileInfo(const QString &index, const QString &name)
{
    m_index = index;
    m_name = name;
    m_ui->label_ProfileName->setText(name);
    m_nameFitter->refit();
}

void profileListItem::setSelectedStatus(bool selected)
{
    m_ui->frame->setStyleSheet(selected
        ? QString::fromLatin1(kSelectedFrameStyle).arg(m_borderColor, m_selectedColor)
        : QString::fromLatin1(kNormalFrameStyle).arg(m_borderColor, m_hoverColor));
}

void profileListItem::on_pushButton_ProfileOperate_clicked()
{
    if (!m_popup) {
        auto *menu = new proFileOperateMenuToolWidget(this);
        menu->setWindowOpacity(1.0);
        connect(menu, &proFileOperateMenuToolWidget::sigCloseMenuWidow, this, &profileListItem::onCloseMenuWidow);
        connect(menu, &proFileOperateMenuToolWidget::sigProfileExport, this, &profileListItem::onProfileExport);
        connect(menu, &proFileOperateMenuToolWidget::sigProfileDelete, this, &profileListItem::onProfileDelete);
        m_popup = new ArrowWidget(0, this);
        m_popup->setPopupSize(kPopupWidth, kPopupHeight);
        m_popup->setArrowOffset(kArrowOffset);
        m_popup->setContentWidget(menu);
    }
    const QPushButton *button = m_ui->pushButton_ProfileOperate;
    m_popup->move(button->mapToGlobal(QPoint(button->width() / 2, button->height() - kButtonBottomInset))
                  - kPopupShift);
    m_popup->show();
    m_popup->activateWindow();
}

void profileListItem::onCloseMenuWidow()
{
    if (m_popup)
        m_popup->hide();
}

void profileListItem::onProfileExport()
{
    emit sigExportProfileChildList(m_index, m_name);
}

void profileListItem::onProfileDelete()
{
    emit sigDeleteProfile(m_index, m_name);
}

void profileListItem::onProfileModifyNanme()
{
}

void profileListItem::mousePressEvent(QMouseEvent *event)
{
    // The operate button takes its own presses; any other press selects.
    event->accept();
    emit sigProfileItemMouseClicked(m_index, m_name);
}

void profileListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The double click's first press has already selected the row.
    event->accept();
}
