#include "onboardLayerFiles.h"

#include "FixedText.h"
#include "deviceModelSets.h"
#include "hidBindingCodes.h"
#include "onboardKeyBinding.h"
#include "onboardKeyRules.h"
#include "onboardReports.h"
#include "xmlInterface.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

const QString kBuiltInFolder = QStringLiteral(":/images/configDir/onboardDeviceConfig/");

QByteArray field(const char *text, size_t capacity) { return QByteArray(text, static_cast<int>(strnlen(text, capacity))); }

struct seedItem
{
    const char *keyCode;
    const char *keyChar;
    const char *operateType;
    const char *value;
};

// A new layer of the FN1 model: its Fn key is the FN1 key, and the number
// pad's Esc and brackets keep their meaning.
const seedItem kFnModelSeed[] = {
    {"-10", "Fn", "0", "-20"},
    {"41", "Esc", "0", "41"},
    {"38", "Shift+9(", "2", "2,38"},
    {"39", "Shift+0)", "2", "2,39"},
};
const seedItem kSeed[] = {{"-10", "Fn", "0", "-10"}};

} // namespace

onboardLayerFiles::onboardLayerFiles(xmlInterface *store, const QString &defaultFile,
                                     const QString &fn1File, const QString &model)
    : m_store(store), m_defaultFile(defaultFile), m_fn1File(fn1File), m_model(model)
{
}

QString onboardLayerFiles::layerFile(int layer) const
{
    if (layer == kOnboardLayerDefault)
        return m_defaultFile;
    if (layer == kOnboardLayerFn1)
        return m_fn1File;
    return QString();
}

QString onboardLayerFiles::otherLayerFile(int layer) const
{
    if (layer == kOnboardLayerDefault)
        return m_fn1File;
    if (layer == kOnboardLayerFn1)
        return m_defaultFile;
    return QString();
}

QString onboardLayerFiles::fastLayoutResource(const QString &model, int layout)
{
    const char *ending = "_DefQWERTY.xml";
    if (layout == Mac)
        ending = "_DefMac.xml";
    else if (layout == Dvorak)
        ending = "_DefDvorak.xml";
    return kBuiltInFolder + model + QLatin1String(ending);
}

bool onboardLayerFiles::seedFnKey(const QString &file, const QByteArray &index)
{
    const bool fnModel = deviceModelSets::isOnboardFnModel(m_model);
    bool ok = true;
    const seedItem *begin = fnModel ? std::begin(kFnModelSeed) : std::begin(kSeed);
    const seedItem *end = fnModel ? std::end(kFnModelSeed) : std::end(kSeed);
    for (const seedItem *item = begin; item != end; ++item)
        ok = m_store->addKeyInfo(file, index, item->keyCode, item->keyChar, item->operateType, "1", "1", item->value) && ok;
    return ok;
}

bool onboardLayerFiles::isFn1Key(const QString &file, const QByteArray &index, const QByteArray &keyCode,
                                 QByteArray *keyChar) const
{
    const customKeyInfo info = readOnboardBinding(m_store, file, index, keyCode);
    if (keyChar)
        *keyChar = field(info.keyChar, sizeof info.keyChar);
    return isFn1Binding(info);
}

bool onboardLayerFiles::addConfig(int index)
{
    if (!m_store)
        return false;
    const QByteArray text = QByteArray::number(index);
    const QByteArray name = "Profile" + text;
    bool ok = m_store->addProfile(m_defaultFile, text, name, "", "", 0);
    ok = m_store->addProfile(m_fn1File, text, name, "", "", 0) && ok;
    ok = seedFnKey(m_defaultFile, text) && ok;
    return seedFnKey(m_fn1File, text) && ok;
}

bool onboardLayerFiles::removeConfig(int index)
{
    if (!m_store)
        return false;
    const bool ok = m_store->deleteNode(m_defaultFile, QByteArray::number(index));
    return m_store->deleteNode(m_fn1File, QByteArray::number(index)) && ok;
}

bool onboardLayerFiles::applyFastLayout(int layer, int index, int layout)
{
    const QString file = layerFile(layer);
    if (!m_store || file.isEmpty())
        return false;

    // The built-in file is read from a copy; the layer is only touched once
    // its element is known to be there.
    QTemporaryDir folder;
    const QString resource = fastLayoutResource(m_model, layout);
    const QString source = folder.filePath(resource.section(QLatin1Char('/'), -1));
    xmlIndexNameList layouts;
    if (!folder.isValid() || !QFile::copy(resource, source) || !m_store->getProfileList(source, layouts)
        || layouts.isEmpty()) {
        qWarning() << "On-board built-in layout cannot be read:" << resource;
        return false;
    }
    for (const auto &entry : layouts)
        qDebug() << " key:" << entry.first << " Value:" << entry.second;

    const QByteArray text = QByteArray::number(index);
    m_store->deleteNode(file, text);
    bool ok = m_store->copyProfileWithIndex(file, index, source, layouts.first().first);

    const QString other = otherLayerFile(layer);
    QList<QByteArray> codes;
    m_store->getKeyCodeList(other, text, codes);
    for (const QByteArray &code : codes) {
        if (code.toInt() == onboardKeyRules::FnKeyCode && deviceModelSets::isOnboardFnModel(m_model))
            continue;
        if (isFn1Key(other, text, code))
            ok = m_store->deleteKeyInfo(other, text, code) && ok;
    }
    return ok;
}

bool onboardLayerFiles::cleanLayer(int layer, int index, bool keepFn1Keys)
{
    const QString file = layerFile(layer);
    if (!m_store || file.isEmpty())
        return false;
    const QByteArray text = QByteArray::number(index);
    m_store->deleteNode(file, text);
    bool ok = m_store->addProfile(file, text, "Profile" + text, "", "", 0);
    ok = seedFnKey(file, text) && ok;

    const QString other = otherLayerFile(layer);
    QList<QByteArray> codes;
    m_store->getKeyCodeList(other, text, codes);
    for (const QByteArray &code : codes) {
        QByteArray keyChar;
        if (!isFn1Key(other, text, code, &keyChar))
            continue;
        if (keepFn1Keys) {
            // A key the cleaned layer binds already (the seeded Fn) keeps that.
            if (!m_store->hasKeyInfo(file, text, code))
                ok = m_store->addKeyInfo(file, text, code, keyChar, "0", "1", "1", QByteArray::number(kBindingValueFn1))
                     && ok;
        } else if (!(code.toInt() == onboardKeyRules::FnKeyCode && deviceModelSets::isOnboardFnModel(m_model))) {
            ok = m_store->deleteKeyInfo(other, text, code) && ok;
        }
    }
    return ok;
}

bool onboardLayerFiles::setFn1Key(int index, int keyCode, const QString &keyText)
{
    if (!m_store)
        return false;
    const QByteArray text = QByteArray::number(index);
    const QByteArray code = QByteArray::number(keyCode);
    bool ok = true;
    for (const QString &file : {m_defaultFile, m_fn1File}) {
        m_store->deleteKeyInfo(file, text, code); // none there is fine
        ok = m_store->addKeyInfo(file, text, code, keyText.toUtf8(), "0", "1", "1",
                                 QByteArray::number(kBindingValueFn1))
             && ok;
    }
    return ok;
}

onboardLayerFiles::EmptyResult onboardLayerFiles::emptyKey(int layer, int index, int keyCode)
{
    const QString file = layerFile(layer);
    if (!m_store || file.isEmpty())
        return Failed;
    const QByteArray text = QByteArray::number(index);
    const QByteArray code = QByteArray::number(keyCode);
    if (!m_store->hasKeyInfo(file, text, code))
        return NothingBound;
    bool ok = true;
    if (isFn1Key(file, text, code)) {
        for (const QString &layerFile : {m_defaultFile, m_fn1File}) {
            if (m_store->hasKeyInfo(layerFile, text, code))
                ok = m_store->deleteKeyInfo(layerFile, text, code) && ok;
        }
    } else {
        ok = m_store->deleteKeyInfo(file, text, code);
    }
    return ok ? Emptied : Failed;
}
