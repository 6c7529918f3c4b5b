#include "proFileOperateMenuToolWidget.h"

#include "DDataManager.h"
#include "popupMenuEntries.h"

#include "ui_proFileOperateMenuToolWidget.h"

proFileOperateMenuToolWidget::proFileOperateMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::proFileOperateMenuToolWidget>())
{
    m_ui->setupUi(this);
    // Renaming is done in the device page's own editor.
    m_ui->label_ModifyNanme->hide();
    for (QWidget *entry : {m_ui->label_Export, m_ui->label_Delete, m_ui->label_ModifyNanme})
        entry->installEventFilter(this);
    setStyleSheet(popupMenuEntryStyleSheet(DDataManager::instance()->getThemeColor()));
}

proFileOperateMenuToolWidget::~proFileOperateMenuToolWidget() = default;

bool proFileOperateMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (isPopupMenuEntryChosen(watched, event)) {
        using Signal = void (proFileOperateMenuToolWidget::*)();
        const std::pair<QObject *, Signal> entries[] = {
            {m_ui->label_Export, &proFileOperateMenuToolWidget::sigProfileExport},
            {m_ui->label_Delete, &proFileOperateMenuToolWidget::sigProfileDelete},
            {m_ui->label_ModifyNanme, &proFileOperateMenuToolWidget::sigProfileModifyNanme},
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
