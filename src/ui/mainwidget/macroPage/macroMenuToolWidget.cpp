#include "macroMenuToolWidget.h"

#include "DDataManager.h"

#include "ui_macroMenuToolWidget.h"

#include <QEvent>

namespace {

const char kLabelStyle[] =
    "QLabel{color: %1; font: bold 12pt \"%2\"; background-color: %3;} "
    "QLabel:hover{background-color: %4;} "
    "QLabel:pressed{background-color: %5;}";

} // namespace

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::macroMenuToolWidget>())
{
    ui->setupUi(this);
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    const QString style = QString::fromLatin1(kLabelStyle)
                              .arg(css(theme.MacroListItemTextColor), theme.TextFont,
                                   css(theme.MacroLeftBgColor), css(theme.MacroListItemHoverColor),
                                   css(theme.MacroListItemSelectedColor));
    for (QWidget *label : {ui->label_Export, ui->label_Delete, ui->label_ModifyNanme}) {
        label->setStyleSheet(style);
        label->installEventFilter(this);
    }
}

macroMenuToolWidget::~macroMenuToolWidget() = default;

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui->label_Export) {
            emit sigCloseMenuWidow();
            emit sigMacroExport();
        } else if (watched == ui->label_Delete) {
            emit sigCloseMenuWidow();
            emit sigMacroDelete();
        } else if (watched == ui->label_ModifyNanme) {
            emit sigCloseMenuWidow();
            emit sigMacroModifyNanme();
        }
    }
    return QWidget::eventFilter(watched, event);
}
