#include "DCustomEventListPage.h"
#include "ui_DCustomEventListPage.h"

#include "DCustomEventListItem.h"
#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "keyFunctionStyle.h"

#include <QVBoxLayout>

DCustomEventListPage::DCustomEventListPage(QWidget *parent) : QWidget(parent), ui(new Ui::DCustomEventListPage)
{
    ui->setupUi(this);
    m_rowLayout = ui->verticalLayout_rows;
    setFixedSize(700, 150);
    applyTheme();
}

DCustomEventListPage::~DCustomEventListPage()
{
    delete ui;
}

bool DCustomEventListPage::isShowingEmptyTip() const
{
    return ui->stackedWidget->currentWidget() == ui->page_NoHave;
}

void DCustomEventListPage::loadCustomEventList(xmlInterface *xml, const char *path, int profileIndex,
                                               QMap<int, QString> keyNames)
{
    if (!xml || !path || !*path)
        return;
    ui->stackedWidget->setCurrentWidget(ui->page_CustomList);

    // Deferred: the reload may come from a row's own click.
    while (m_rowLayout->count() > 1) {
        QLayoutItem *item = m_rowLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    if (m_panel) {
        m_panel->hide();
        m_panel->deleteLater();
    }

    m_panel = new DCustomEventWidget(ui->scrollAreaWidgetContents);
    m_rowLayout->insertWidget(m_rowLayout->count() - 1, m_panel);
    connect(m_panel, &DCustomEventWidget::sigCustomEventItemMouseClicked, this,
            &DCustomEventListPage::sigCustomEventItemMouseClicked);
    connect(m_panel, &DCustomEventWidget::sigCustomEventListIsEmpty, this,
            &DCustomEventListPage::onCustomEventListIsEmpty);
    m_panel->loadCustomEventList(xml, path, profileIndex, keyNames);
}

void DCustomEventListPage::onCustomEventListIsEmpty()
{
    ui->stackedWidget->setCurrentWidget(ui->page_NoHave);
}

// The rows stay; only their texts change.
void DCustomEventListPage::retranslate(const QMap<int, QString> &keyNames)
{
    ui->retranslateUi(this);
    if (m_panel)
        m_panel->setKeyNames(keyNames);
    updateRowTexts();
}

void DCustomEventListPage::updateRowTexts()
{
    if (!m_panel)
        return;
    for (DCustomEventListItem *row : m_panel->findChildren<DCustomEventListItem *>(QString(), Qt::FindDirectChildrenOnly))
        row->updateTexts();
}

// One sheet on the page for its frame, its tip, its scroll bar and every
// row: a theme change restyles the rows once, in place.
void DCustomEventListPage::changAppTheme()
{
    if (!isVisible()) {
        m_themePending = true;
        return;
    }
    applyTheme();
}

void DCustomEventListPage::showEvent(QShowEvent *event)
{
    if (m_themePending)
        applyTheme();
    QWidget::showEvent(event);
}

void DCustomEventListPage::applyTheme()
{
    m_themePending = false;
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QString clear = keyFunctionStyle::clearBackground();
    // The theme's colour, or the nearest shade that reads on the panel.
    const QString tipColour = themeColorInfo::readableText(theme.TextCheckedColor, theme.DeviceBottomBgColor);
    setStyleSheet(
        QStringLiteral("QFrame#frame{border-radius:8px;background-color:%1;border:0px solid %2;}"
                       "QWidget#page_NoHave{%3border-radius:8px;}"
                       "QScrollArea#scrollArea{%3}"
                       "QWidget#scrollAreaWidgetContents{%3}"
                       "QLabel#label_Tip{color:%4;%5}"
                       "QWidget#widget_4 QScrollBar:vertical{width:3px;background:transparent;margin:3px 0px 3px 0px;}"
                       "QWidget#widget_4 QScrollBar::handle:vertical{background:rgba(0,0,0,51);min-height:20px;"
                       "border-radius:1px;}"
                       "QWidget#widget_4 QScrollBar::handle:vertical:hover{background:rgba(0,0,0,77);}"
                       "QWidget#widget_4 QScrollBar::add-line:vertical,"
                       "QWidget#widget_4 QScrollBar::sub-line:vertical{height:0px;}"
                       "QWidget#widget_4 QScrollBar::add-page:vertical,"
                       "QWidget#widget_4 QScrollBar::sub-page:vertical{background:%6;border-radius:3px;}")
            .arg(keyFunctionStyle::color(theme.DeviceBottomBgColor), keyFunctionStyle::color(theme.DeviceBorderColor),
                 clear, keyFunctionStyle::color(tipColour), keyFunctionStyle::fontRule(theme),
                 keyFunctionStyle::color(theme.HomeScrollBarBgColor))
        + DCustomEventListItem::rowStyleSheet(theme));
    // The theme's font may cut the captions elsewhere.
    updateRowTexts();
}
