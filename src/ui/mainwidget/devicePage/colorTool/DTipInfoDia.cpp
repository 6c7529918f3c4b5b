#include "DTipInfoDia.h"

#include "DDataManager.h"

#include "ui_DTipInfoDia.h"

namespace {

constexpr int kWidth = 450;
constexpr int kHeight = 180;

enum Answer { AnswerClose = 0, AnswerSave = 1, AnswerDiscard = 2 };

const char kDialogStyle[] = "QDialog#DTipInfoDia{ background-color: rgb(%1);}";
const char kTitleStyle[] =
    "QFrame#frame_Title{ background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2);} "
    "QLabel#label_Title{ color: rgb(%3); font: bold 13pt \"%4\";}";
const char kBottomStyle[] = "QFrame#frame_Bottom{ background-color: rgb(%1);}";
const char kMessageStyle[] = "QLabel#label_TipMessage{ color: rgb(%1); font: bold 10pt \"%2\";}";
const char kButtonStyle[] =
    "QPushButton{ border-radius: 8px; border: 1px solid rgb(%1); background-color: rgb(%2); "
    "color: rgb(%4); font: bold 10pt \"%5\";} "
    "QPushButton:hover{ background-color: rgba(%3, 130); border: 1px solid rgb(%6);} "
    "QPushButton:pressed{ color: rgb(%6); background-color: rgb(%3); border: 1px solid rgb(%6);}";

} // namespace

DTipInfoDia::DTipInfoDia(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::DTipInfoDia>())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setFixedSize(kWidth, kHeight);
}

DTipInfoDia::~DTipInfoDia() = default;

void DTipInfoDia::updateTheme()
{
    m_ui->retranslateUi(this);

    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(QString::fromLatin1(kDialogStyle).arg(theme.MainWidgetBgColor));
    m_ui->frame_Title->setStyleSheet(QString::fromLatin1(kTitleStyle)
        .arg(theme.MainWidgetBgColor, theme.DeviceBorderColor, theme.TextCheckedColor, theme.TextFont));
    m_ui->frame_Bottom->setStyleSheet(QString::fromLatin1(kBottomStyle).arg(theme.MainWidgetBgColor));
    m_ui->label_TipMessage->setStyleSheet(
        QString::fromLatin1(kMessageStyle).arg(theme.TextCheckedColor, theme.TextFont));
    m_ui->frame_3->setStyleSheet(QString::fromLatin1(kButtonStyle)
        .arg(theme.DeviceBorderColor, theme.DeviceControlDefaultColor, theme.DeviceControlHoverColor,
             theme.TextDefaultColor, theme.TextFont, theme.TextCheckedColor));
}

void DTipInfoDia::clearAnswer() { m_answer = AnswerClose; }

int DTipInfoDia::answer() const { return m_answer; }

void DTipInfoDia::setVisible(bool visible)
{
    // Every ending of a showing (button, Escape, window manager, hide())
    // passes here; the buttons have already sent the signal.
    if (visible && !isVisible())
        m_closeSignalled = false;
    else if (!visible && isVisible())
        emitCloseOnce();
    QDialog::setVisible(visible);
}

void DTipInfoDia::on_pushButton_Close_clicked() { finish(AnswerClose); }
void DTipInfoDia::on_pushButton_SaveChanged_clicked() { finish(AnswerSave); }
void DTipInfoDia::on_pushButton_Discard_clicked() { finish(AnswerDiscard); }

void DTipInfoDia::finish(int answer)
{
    // The caller hides its overlay on the signal and reads the answer only
    // after the modal loop, so the signal goes first.
    emitCloseOnce();
    m_answer = answer;
    close();
}

void DTipInfoDia::emitCloseOnce()
{
    if (m_closeSignalled)
        return;
    m_closeSignalled = true;
    emit sigTipInfoDiaClose();
}
