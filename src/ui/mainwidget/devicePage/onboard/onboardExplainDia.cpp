#include "onboardExplainDia.h"

#include "DDataManager.h"

#include "ui_onboardExplainDia.h"

namespace {

constexpr int kWidth = 430;
constexpr int kHeight = 470;

const char kStyle[] =
    "QFrame#frame_Bg{ border: none; padding: 0px 6px; } "
    "QFrame#frame_Bg QLabel{ color: rgb(%1); font: bold 10pt \"%2\"; } "
    "QFrame#frame{ border: none; border-bottom: 1px solid rgb(%3); } "
    "QFrame#frame_3{ border: none; border-bottom: 1px solid rgb(%3); } "
    "QFrame#frame_2, QFrame#frame_4{ border: none; }";

} // namespace

onboardExplainDia::onboardExplainDia(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::onboardExplainDia>())
{
    m_ui->setupUi(this);
    setFixedSize(kWidth, kHeight);
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_ui->frame_Bg->setStyleSheet(
        QString::fromLatin1(kStyle).arg(theme.TextCheckedColor, theme.TextFont, theme.DeviceBorderColor));
}

onboardExplainDia::~onboardExplainDia() = default;
