#include "DCustomEventListPage.h"
#include "ui_DCustomEventListPage.h"

#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "keyFunctionStyle.h"

#include <QVBoxLayout>

DCustomEventListPage::DCustomEventListPage(QWidget *parent) : QWidget(parent), ui(new Ui::DCustomEventListPage)
{
    ui->setupUi(this);
    m_rowLayout = ui->verticalLayout_rows;
    setFixedSize(700, 150);
    changAppTheme();
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

void DCustomEventListPage::retranslate()
{
    ui->retranslateUi(this);
}

void DCustomEventListPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-radius:8px;background-color:%1;border:0px solid %2;}")
                                 .arg(keyFunctionStyle::color(theme.DeviceBottomBgColor),
                                      keyFunctionStyle::color(theme.DeviceBorderColor)));
    const QString clear = keyFunctionStyle::clearBackground();
    ui->page_NoHave->setStyleSheet(QStringLiteral("QWidget#page_NoHave{%1border-radius:8px;}").arg(clear));
    ui->scrollArea->setStyleSheet(QStringLiteral("QScrollArea#scrollArea{%1}").arg(clear));
    ui->scrollAreaWidgetContents->setStyleSheet(QStringLiteral("QWidget#scrollAreaWidgetContents{%1}").arg(clear));
    ui->label_Tip->setStyleSheet(
        QStringLiteral("QLabel{color:%1;%2}").arg(keyFunctionStyle::color(theme.TextCheckedColor),
                                                  keyFunctionStyle::fontRule(theme)));
    ui->widget_4->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{width:3px;background:transparent;margin:3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{background:rgba(0,0,0,51);min-height:20px;border-radius:1px;}"
                       "QScrollBar::handle:vertical:hover{background:rgba(0,0,0,77);}"
                       "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                       "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:%1;"
                       "border-radius:3px;}")
            .arg(keyFunctionStyle::color(theme.HomeScrollBarBgColor)));
}
