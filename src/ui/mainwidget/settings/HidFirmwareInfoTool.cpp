#include "HidFirmwareInfoTool.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 150;
constexpr int kLineHeight = 60;

QLabel *makeLine(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedHeight(kLineHeight);
    label->setStyleSheet(QStringLiteral("color: rgb(235, 235, 235); font: bold 12pt \"Microsoft YaHei\";"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

HidFirmwareInfoTool::HidFirmwareInfoTool(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(kRowHeight);
    m_infoLabel = makeLine(this);
    m_dateLabel = makeLine(this);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_infoLabel);
    layout->addWidget(m_dateLabel);
    setLayout(layout);
}

void HidFirmwareInfoTool::setInfo(const QString &info, const QString &date)
{
    m_infoLabel->setText(info);
    m_dateLabel->setText(date);
}

QString HidFirmwareInfoTool::infoText() const
{
    return m_infoLabel->text();
}

QString HidFirmwareInfoTool::dateText() const
{
    return m_dateLabel->text();
}
