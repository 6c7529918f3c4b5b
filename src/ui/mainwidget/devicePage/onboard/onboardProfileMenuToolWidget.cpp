#include "onboardProfileMenuToolWidget.h"

#include "DDataManager.h"
#include "popupMenuEntries.h"

#include "ui_onboardProfileMenuToolWidget.h"

#include <QLabel>

onboardProfileMenuToolWidget::onboardProfileMenuToolWidget(int flag, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::onboardProfileMenuToolWidget>())
{
    m_ui->setupUi(this);
    if (flag == 0) {
        m_ui->label_Delete->hide();
        m_ui->label_ModifyNanme->hide();
    }
    m_ui->label_Restore->show();
    for (QLabel *entry : findChildren<QLabel *>())
        entry->installEventFilter(this);
    setStyleSheet(popupMenuEntryStyleSheet(DDataManager::instance()->getThemeColor())
                  + QStringLiteral(" QFrame#frame_Normal, QFrame#frame_Fast{ border: none; }"));
}

onboardProfileMenuToolWidget::~onboardProfileMenuToolWidget() = default;

void onboardProfileMenuToolWidget::setMenuType(int type)
{
    switch (type) {
    case Configurations:
        m_ui->frame_Normal->show();
        m_ui->frame_Fast->hide();
        m_ui->label_Restore->hide();
        break;
    case NumberPadFastLayouts:
        m_ui->frame_Normal->hide();
        m_ui->frame_Fast->show();
        // The number pads have no letter layouts.
        m_ui->label_Mac->hide();
        m_ui->label_Dvorak->hide();
        break;
    case FastLayouts:
        m_ui->frame_Normal->hide();
        m_ui->frame_Fast->show();
        break;
    default:
        break;
    }
}

bool onboardProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (isPopupMenuEntryChosen(watched, event)) {
        using Signal = void (onboardProfileMenuToolWidget::*)();
        const std::pair<QObject *, Signal> entries[] = {
            {m_ui->label_CreateNew, &onboardProfileMenuToolWidget::sigProfileCreateNew},
            {m_ui->label_Export, &onboardProfileMenuToolWidget::sigProfileExport},
            {m_ui->label_Import, &onboardProfileMenuToolWidget::sigProfileImport},
            {m_ui->label_Delete, &onboardProfileMenuToolWidget::sigProfileDelete},
            {m_ui->label_Restore, &onboardProfileMenuToolWidget::sigProfileRestore},
            {m_ui->label_ModifyNanme, &onboardProfileMenuToolWidget::sigProfileModifyName},
            {m_ui->label_QWERTY, &onboardProfileMenuToolWidget::sigConfigQWERTY},
            {m_ui->label_Mac, &onboardProfileMenuToolWidget::sigConfigMac},
            {m_ui->label_Dvorak, &onboardProfileMenuToolWidget::sigConfigDvorak},
            {m_ui->label_CleanLayer, &onboardProfileMenuToolWidget::sigConfigCleanLayer},
        };
        for (const auto &entry : entries) {
            if (entry.first == watched) {
                emit sigCloseMenuWidow();
                emit(this->*entry.second)();
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
