#include "DCustomEventWidget.h"
#include "ui_DCustomEventWidget.h"

#include "DCustomEventListItem.h"
#include "FlowLayout.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "xmlInterface.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>

DCustomEventWidget::DCustomEventWidget(QWidget *parent) : QWidget(parent), ui(new Ui::DCustomEventWidget)
{
    ui->setupUi(this);
    m_layout = new FlowLayout(this, -1, -1, -1);
    m_layout->setContentsMargins(30, 2, 0, 0);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

DCustomEventWidget::~DCustomEventWidget()
{
    delete ui;
}

void DCustomEventWidget::loadCustomEventList(xmlInterface *xml, const char *path, int profileIndex,
                                             QMap<int, QString> keyNames)
{
    m_keyNames = keyNames;
    const QString filePath = path ? QFile::decodeName(path) : QString();
    if (!xml || !QFileInfo(filePath).isFile())
        return;
    const QByteArray profile = QByteArray::number(profileIndex);

    // One load for every binding of the profile, instead of one per key.
    QList<customKeyInfo> items;
    xml->getKeyInfoList(filePath, profile, items);
    if (items.isEmpty()) {
        emit sigCustomEventListIsEmpty();
        return;
    }
    // A key's binding is its first item, looked up by the code's number.
    QHash<QByteArray, int> firstOfCode;
    for (int i = 0; i < items.size(); ++i) {
        const QByteArray code(items.at(i).keyCode);
        if (!firstOfCode.contains(code))
            firstOfCode.insert(code, i);
    }
    QHash<QByteArray, QString> profileNames;
    for (const customKeyInfo &item : qAsConst(items)) {
        const auto found = firstOfCode.constFind(QByteArray::number(textToInt(item.keyCode)));
        if (found == firstOfCode.constEnd())
            continue;
        const customKeyInfo &record = items.at(found.value());
        if (!keyFunctionCatalogue::isBound(record))
            continue;
        if (keyFunctionCatalogue::operateTypeOf(record) == keyFunctionCatalogue::OperateProfile) {
            const QByteArray target(record.Value);
            if (!profileNames.contains(target)) {
                profileInfo info;
                std::memset(&info, 0, sizeof info);
                xml->getProfileInfo(filePath, target, info);
                profileNames.insert(target, QString::fromUtf8(info.name));
            }
            m_profileName = profileNames.value(target);
        }
        auto *row = new DCustomEventListItem(this);
        connect(row, &DCustomEventListItem::sigCustomEventItemMouseClicked, this,
                &DCustomEventWidget::sigCustomEventItemMouseClicked);
        row->setProfileName(m_profileName);
        row->setCustomEvent(record, m_keyNames);
        row->setFixedSize(kRowWidth, kRowHeight);
        m_layout->addWidget(row);
    }
}

void DCustomEventWidget::setKeyNames(const QMap<int, QString> &keyNames)
{
    m_keyNames = keyNames;
    for (DCustomEventListItem *row : findChildren<DCustomEventListItem *>(QString(), Qt::FindDirectChildrenOnly))
        row->setKeyNames(keyNames);
}
