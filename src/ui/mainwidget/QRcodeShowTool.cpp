#include "QRcodeShowTool.h"

#include <QFrame>
#include <QHBoxLayout>

namespace {

constexpr int kPictureSide = 145;

} // namespace

QRcodeShowTool::QRcodeShowTool(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setFixedSize(kPictureSide, kPictureSide);
    layout->addWidget(m_frame);
}

void QRcodeShowTool::setImagePath(const QString &path)
{
    m_frame->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(path));
}
