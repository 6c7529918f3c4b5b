#include "DLoginWidget.h"

#include "ui_DLoginWidget.h"

#include <QGraphicsOpacityEffect>
#include <QIcon>
#include <QPropertyAnimation>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 400;
constexpr int kFadeMs = 100;

} // namespace

DLoginWidget::DLoginWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DLoginWidget>())
{
    m_ui->setupUi(this);
    setFixedSize(kWidth, kHeight);
    setWindowIcon(QIcon(QStringLiteral(":/images/pardexLogo.png")));
    setWindowOpacity(0);
}

DLoginWidget::~DLoginWidget() = default;

void DLoginWidget::on_pushButton_Login_clicked()
{
    emit sigLoginFinished(true);
}

void DLoginWidget::fadeOut()
{
    auto *effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    auto *animation = new QPropertyAnimation(effect, "opacity", this);
    animation->setDuration(kFadeMs);
    animation->setStartValue(1.0);
    animation->setEndValue(0.0);
    animation->setEasingCurve(QEasingCurve::OutBack);
    connect(animation, &QPropertyAnimation::finished, this, &QWidget::hide);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
