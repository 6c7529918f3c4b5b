#include "xmlInterface.h"

#include "TextNumber.h"
#include "xmlRecordCodec.h"
#include "xmlStoreDocument.h"
#include "xmlStoreNames.h"

#include <QLoggingCategory>
#include <QSet>

#include <tinyxml2.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>

using tinyxml2::XMLAttribute;
using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

namespace {

// Developer trace of the list and macro operations; off unless enabled with
// QT_LOGGING_RULES="velmora.storage.xml.debug=true".
Q_LOGGING_CATEGORY(lcXmlTrace, "velmora.storage.xml", QtInfoMsg)

using namespace xmlStoreNames;

// A new profile's children, in file order.
const char *const kProfileChildren[] = {"light0", "light1",  "light2",         "customColor",
                                        "customLight", "ribbon", "onboardBinding", "macro",
                                        "dpi",    "function", "bindMacro"};
const int kNewZoneUsingIndex = 2;
const int kMouseDeviceType = 1;

// Bytes of the (index, name) list texts, terminator included.
const std::size_t kListTextSize = 64;

// Held by every operation from loading its file to saving it; it also
// guards the parsed files kept between operations.
std::mutex &storeMutex()
{
    static std::mutex mutex;
    return mutex;
}

class StoreLock
{
public:
    StoreLock() : m_guard(storeMutex()) {}

private:
    std::lock_guard<std::mutex> m_guard;
};

bool textEquals(const char *text, const QByteArray &value)
{
    return text && std::strlen(text) == static_cast<std::size_t>(value.size())
        && std::memcmp(text, value.constData(), static_cast<std::size_t>(value.size())) == 0;
}

// The longest UTF-8-whole prefix of text that fits a field of size bytes.
QByteArray fittedText(const char *text, std::size_t size)
{
    const std::size_t length = std::strlen(text);
    return QByteArray(text, static_cast<int>(fixedTextFitLength(text, length, size - 1)));
}

// A record's text field, up to its terminator or its end.
template <std::size_t N>
QByteArray fieldText(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(strnlen(field, N)));
}

QString attributeTrace(const XMLElement &element)
{
    QString line;
    for (const XMLAttribute *a = element.FirstAttribute(); a; a = a->Next())
        line += QString::fromUtf8(a->Name()) + QLatin1Char(':') + QString::fromUtf8(a->Value()) + QLatin1Char(' ');
    return line;
}

// The first child (of that element name, when given) whose attribute equals value.
XMLElement *childWithAttribute(XMLElement *parent, const char *attribute, const QByteArray &value,
                               const char *childName = nullptr)
{
    if (!parent)
        return nullptr;
    for (XMLElement *child = parent->FirstChildElement(childName); child;
         child = child->NextSiblingElement(childName)) {
        if (textEquals(child->Attribute(attribute), value))
            return child;
    }
    return nullptr;
}

// The matching rule for root children and bound macros: the first child whose
// `index` equals the value, else the first with any attribute equal to it.
// Preferring `index` keeps a profile named "2" from standing in for profile 2;
// the fallback keeps callers that pass a name working.
XMLElement *matchChild(XMLElement *parent, const QByteArray &value,
                       const XMLAttribute **matched = nullptr)
{
    if (!parent)
        return nullptr;
    for (XMLElement *child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const XMLAttribute *index = child->FindAttribute(kIndex);
        if (index && textEquals(index->Value(), value)) {
            if (matched)
                *matched = index;
            return child;
        }
    }
    for (XMLElement *child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
        for (const XMLAttribute *a = child->FirstAttribute(); a; a = a->Next()) {
            if (textEquals(a->Value(), value)) {
                if (matched)
                    *matched = a;
                return child;
            }
        }
    }
    return nullptr;
}

// The anchor of a changing operation; a missing one is logged.
XMLElement *requireAnchor(XMLElement *anchor, const xmlStoreDocument &doc, const char *what,
                          const QByteArray &value)
{
    if (!anchor && doc.isLoaded()) {
        xmlStoreDocument::warn(QStringLiteral("no %1 \"%2\" in %3: nothing changed")
                                   .arg(QString::fromLatin1(what), QString::fromUtf8(value), doc.path()));
    }
    return anchor;
}

XMLElement *findProfile(xmlStoreDocument &doc, const QByteArray &profile)
{
    return matchChild(doc.root(), profile);
}

XMLElement *profileForWrite(xmlStoreDocument &doc, const QByteArray &profile)
{
    return requireAnchor(findProfile(doc, profile), doc, "profile", profile);
}

XMLElement *macroForWrite(xmlStoreDocument &doc, const QByteArray &macro)
{
    return requireAnchor(matchChild(doc.root(), macro), doc, "macro", macro);
}

XMLElement *rootForWrite(xmlStoreDocument &doc)
{
    XMLElement *root = doc.root();
    if (!root && doc.isLoaded())
        xmlStoreDocument::warn(QStringLiteral("%1 has no root element: nothing changed").arg(doc.path()));
    return root;
}

// The custom-light operations select the profile by its `index` alone.
XMLElement *profileByIndex(xmlStoreDocument &doc, const QByteArray &profileIndex)
{
    return childWithAttribute(doc.root(), kIndex, profileIndex);
}

XMLElement *customLightScheme(XMLElement *profile, const QByteArray &schemeIndex)
{
    if (!profile)
        return nullptr;
    return childWithAttribute(profile->FirstChildElement(kCustomLight), kIndex, schemeIndex, kCustomLed);
}

XMLElement *childOf(XMLElement *parent, const char *name)
{
    return parent ? parent->FirstChildElement(name) : nullptr;
}

XMLElement *zoneElement(XMLElement *profile, int zone)
{
    if (!profile || zone < 0 || zone > 2)
        return nullptr;
    return profile->FirstChildElement(kZones[zone]);
}

XMLElement *lightItem(XMLElement *zone, int effect)
{
    if (!zone)
        return nullptr;
    for (XMLElement *item = zone->FirstChildElement(); item; item = item->NextSiblingElement()) {
        const char *type = item->Attribute(kLedType);
        if (type && textToInt(type) == effect)
            return item;
    }
    return nullptr;
}

// The first event carrying the mark, or the second (a release) with second set.
XMLElement *markedItem(XMLElement *macro, const QByteArray &mark, bool second)
{
    if (!macro)
        return nullptr;
    int wanted = second ? 2 : 1;
    for (XMLElement *item = macro->FirstChildElement(); item; item = item->NextSiblingElement()) {
        if (textEquals(item->Attribute(kMark), mark) && --wanted == 0)
            return item;
    }
    return nullptr;
}

int intAttribute(const XMLElement *element, const char *name, int fallback)
{
    const char *value = element ? element->Attribute(name) : nullptr;
    return value ? textToInt(value) : fallback;
}

template <typename Record>
void appendRecords(const XMLElement *parent, QList<Record> &list, const char *childName = nullptr)
{
    if (!parent)
        return;
    for (const XMLElement *child = parent->FirstChildElement(childName); child;
         child = child->NextSiblingElement(childName)) {
        Record record;
        std::memset(&record, 0, sizeof record);
        xmlRecordCodec::read(*child, record);
        list.append(record);
    }
}

template <typename Record>
void appendItem(XMLDocument &doc, XMLElement &parent, const Record &record)
{
    XMLElement *item = doc.NewElement(kItem);
    xmlRecordCodec::write(*item, record);
    parent.InsertEndChild(item);
}

void appendMacroItems(XMLDocument &doc, XMLElement &macro, const QList<macroItemInfo> &items)
{
    for (const macroItemInfo &info : items)
        appendItem(doc, macro, info);
}

XMLElement *newMacroElement(XMLDocument &doc, const QByteArray &index, const QByteArray &name,
                            const QList<macroItemInfo> &items)
{
    XMLElement *macro = doc.NewElement(kMacro);
    macro->SetAttribute(kIndex, index.constData());
    macro->SetAttribute(kName, name.constData());
    appendMacroItems(doc, *macro, items);
    return macro;
}

// The root every new store file starts with.
XMLElement *newRoot(XMLDocument &doc)
{
    XMLElement *root = doc.NewElement(kRoot);
    root->SetAttribute(kProfileIndex, 1);
    doc.InsertEndChild(root);
    return root;
}

void removeElement(XMLDocument &doc, XMLElement &element)
{
    doc.DeleteNode(&element);
}

// --- Operation scaffolding ---------------------------------------------------
// Every operation holds the store lock from loading its file to saving it.

// Reads the element find(doc) picks with read(element); false, with nothing
// read, when the file has none.
template <typename Find, typename Read>
bool readElement(const QString &path, Find find, Read read)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    const XMLElement *element = find(doc);
    if (!element)
        return false;
    read(*element);
    return true;
}

template <typename Find, typename Record>
bool readRecord(const QString &path, Find find, Record &record)
{
    return readElement(path, find,
                       [&record](const XMLElement &element) { xmlRecordCodec::read(element, record); });
}

// Appends the element's children (of that name, when given) as records.
template <typename Find, typename Record>
bool readRecords(const QString &path, Find find, QList<Record> &list, const char *childName = nullptr)
{
    return readElement(path, find,
                       [&](const XMLElement &element) { appendRecords(&element, list, childName); });
}

XMLElement *documentRoot(xmlStoreDocument &doc)
{
    return doc.root();
}

auto profileChild(const QByteArray &profile, const char *name)
{
    return [&profile, name](xmlStoreDocument &doc) { return childOf(findProfile(doc, profile), name); };
}

// A changing operation: without its anchor nothing is written; with it
// change(doc, anchor) runs, saying whether its target was there, and the
// file is saved either way. True when both the change and the save were made.
template <typename Anchor, typename Change>
bool changeUnder(const QString &path, Anchor anchorFor, Change change)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    XMLElement *anchor = anchorFor(doc);
    if (!anchor)
        return false;
    const bool changed = change(doc, *anchor);
    return doc.save() && changed;
}

template <typename Apply>
bool applyTo(XMLElement *target, XMLDocument &doc, Apply apply)
{
    if (target)
        apply(doc, *target);
    return target != nullptr;
}

// The usual change: apply(document, target) to the element find(anchor) picks.
template <typename Anchor, typename Find, typename Apply>
bool changeElement(const QString &path, Anchor anchorFor, Find find, Apply apply)
{
    return changeUnder(path, anchorFor, [&](xmlStoreDocument &doc, XMLElement &anchor) {
        return applyTo(find(anchor), doc.document(), apply);
    });
}

auto rootAnchor()
{
    return [](xmlStoreDocument &doc) { return rootForWrite(doc); };
}

auto profileAnchor(const QByteArray &profile)
{
    return [&profile](xmlStoreDocument &doc) { return profileForWrite(doc, profile); };
}

auto macroAnchor(const QByteArray &macro)
{
    return [&macro](xmlStoreDocument &doc) { return macroForWrite(doc, macro); };
}

auto childNamed(const char *name)
{
    return [name](XMLElement &parent) { return parent.FirstChildElement(name); };
}

// Root children's (index, name) pairs: the first of an index wins, sorted by
// the number the index reads as (ties keep file order).
xmlIndexNameList indexNameList(const XMLElement &root)
{
    struct Entry
    {
        int number;
        QByteArray index;
        QByteArray name;
    };
    QList<Entry> entries;
    QSet<QByteArray> seen;
    qCDebug(lcXmlTrace).noquote() << "\n---------------- [SelectAllNodes] ----------------";
    for (const XMLElement *child = root.FirstChildElement(); child; child = child->NextSiblingElement()) {
        qCDebug(lcXmlTrace).noquote() << attributeTrace(*child);
        const char *index = child->Attribute(kIndex);
        const char *name = child->Attribute(kName);
        Entry entry{0, fittedText(index ? index : "", kListTextSize),
                    fittedText(name ? name : "", kListTextSize)};
        if (seen.contains(entry.index))
            continue;
        seen.insert(entry.index);
        entry.number = textToInt(entry.index.constData());
        entries.append(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return a.number < b.number; });
    xmlIndexNameList list;
    for (const Entry &entry : entries)
        list.append(qMakePair(entry.index, entry.name));
    return list;
}

bool readIndexNameList(const QString &path, xmlIndexNameList &list)
{
    return readElement(path, documentRoot, [&list](const XMLElement &root) { list = indexNameList(root); });
}

// Tells copyRootChild to leave the copy's index as it is.
const int64_t kKeepIndex = INT64_MIN;

// Appends a deep copy of the source's matching root child to the
// destination's root, giving it the index newIndex(destinationRoot) returns.
// A copy within one file loads that file once.
template <typename NewIndex>
bool copyRootChild(const QString &dstPath, const QString &srcPath, const QByteArray &value,
                   NewIndex newIndex)
{
    const StoreLock lock;
    xmlStoreDocument source(srcPath);
    const XMLElement *found = matchChild(source.root(), value);
    if (!found) {
        if (source.isLoaded())
            xmlStoreDocument::warn(QStringLiteral("no profile \"%1\" in %2: nothing copied")
                                       .arg(QString::fromUtf8(value), srcPath));
        return false;
    }
    std::optional<xmlStoreDocument> separateDestination;
    xmlStoreDocument &destination = dstPath == srcPath ? source : separateDestination.emplace(dstPath);
    XMLElement *root = rootForWrite(destination);
    if (!root)
        return false;
    XMLElement *copy = found->DeepClone(&destination.document())->ToElement();
    const int64_t index = newIndex(*root);
    if (index != kKeepIndex)
        copy->SetAttribute(kIndex, index);
    root->InsertEndChild(copy);
    return destination.save();
}

} // namespace

xmlInterface::xmlInterface(QObject *parent)
    : QObject(parent)
{
}

// --- Files and the selected profile -------------------------------------

bool xmlInterface::createXmlFile(const QString &path)
{
    const StoreLock lock;
    xmlStoreDocument doc(path, xmlStoreDocument::NewFile);
    newRoot(doc.document());
    return doc.save();
}

int xmlInterface::getProfileIndex(const QString &path)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    return intAttribute(doc.root(), kProfileIndex, 1);
}

bool xmlInterface::setProfileIndex(const QString &path, int index)
{
    return changeUnder(path, rootAnchor(), [index](xmlStoreDocument &, XMLElement &root) {
        root.SetAttribute(kProfileIndex, index);
        return true;
    });
}

// --- Root children ---------------------------------------------------------

namespace {

// Changes the matching root child (logged when missing); the root's file is
// saved either way.
template <typename Apply>
bool changeRootChild(const QString &path, const QByteArray &value, Apply apply)
{
    return changeUnder(path, rootAnchor(), [&](xmlStoreDocument &doc, XMLElement &root) {
        return applyTo(requireAnchor(matchChild(&root, value), doc, "node", value), doc.document(), apply);
    });
}

} // namespace

bool xmlInterface::findNode(const QString &path, const QByteArray &value)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    return matchChild(doc.root(), value) != nullptr;
}

bool xmlInterface::deleteNode(const QString &path, const QByteArray &value)
{
    return changeRootChild(path, value, removeElement);
}

bool xmlInterface::setNodeName(const QString &path, const QByteArray &value, const QByteArray &name)
{
    return changeRootChild(path, value, [&name](XMLDocument &, XMLElement &node) {
        node.SetAttribute(kName, name.constData());
    });
}

bool xmlInterface::getNodeIndexAndName(const QString &path, const QByteArray &value,
                                       nodeIndexNameInfo &info)
{
    const XMLAttribute *matched = nullptr;
    return readElement(
        path, [&](xmlStoreDocument &doc) { return matchChild(doc.root(), value, &matched); },
        [&](const XMLElement &) {
            info.index = textToInt(matched->Value());
            if (const XMLAttribute *next = matched->Next())
                fixedTextCopy(info.name, next->Value());
        });
}

bool xmlInterface::getMacroList(const QString &path, xmlIndexNameList &list)
{
    return readIndexNameList(path, list);
}

bool xmlInterface::getProfileList(const QString &path, xmlIndexNameList &list)
{
    return readIndexNameList(path, list);
}

// --- Profiles as a whole -------------------------------------------------

namespace {

// A new profile's `config` with its eleven children at their defaults.
XMLElement *newProfileElement(XMLDocument &d, const QByteArray &index, const QByteArray &name,
                              const QByteArray &appName, const QByteArray &appIco, int deviceType)
{
    XMLElement *config = d.NewElement(kConfig);
    config->SetAttribute(kIndex, index.constData());
    config->SetAttribute(kName, name.constData());
    config->SetAttribute(kProFileAppName, appName.constData());
    config->SetAttribute(kProFileAppIco, appIco.constData());
    for (const char *childName : kProfileChildren)
        config->InsertEndChild(d.NewElement(childName));

    for (int zone = 0; zone < 3; ++zone) {
        XMLElement *light = config->FirstChildElement(kZones[zone]);
        light->SetAttribute(kUsingIndex, kNewZoneUsingIndex);
        if (zone == 0) {
            light->SetAttribute(kLedOpenOrClose, 0);
            light->SetAttribute(kSynchronizeStatus, 0);
        } else if (deviceType == kMouseDeviceType) {
            light->SetAttribute(kLinkStatus, 0);
        }
    }
    XMLElement *setting = d.NewElement(kSetting);
    setting->SetAttribute(kFeatures[0], 0);
    setting->SetAttribute(kFeatures[1], 0);
    setting->SetAttribute(kFeatures[2], 0);
    setting->SetAttribute(kFeatures[3], 1);
    config->FirstChildElement(kFunction)->InsertEndChild(setting);
    return config;
}

} // namespace

bool xmlInterface::addProfile(const QString &path, const QByteArray &index, const QByteArray &name,
                              const QByteArray &appName, const QByteArray &appIco, int deviceType)
{
    return changeUnder(path, rootAnchor(), [&](xmlStoreDocument &doc, XMLElement &root) {
        root.InsertEndChild(newProfileElement(doc.document(), index, name, appName, appIco, deviceType));
        return true;
    });
}

bool xmlInterface::recreateProfile(const QString &path, const QByteArray &index, const QByteArray &name,
                                   int deviceType)
{
    return changeUnder(path, rootAnchor(), [&](xmlStoreDocument &doc, XMLElement &root) {
        if (XMLElement *old = matchChild(&root, index))
            removeElement(doc.document(), *old);
        root.InsertEndChild(newProfileElement(doc.document(), index, name, QByteArray(), QByteArray(), deviceType));
        return true;
    });
}

bool xmlInterface::setProfileInfo(const QString &path, const QByteArray &profile, const QByteArray &name,
                                  const QByteArray &appName, const QByteArray &appIco)
{
    return changeUnder(path, profileAnchor(profile), [&](xmlStoreDocument &, XMLElement &node) {
        node.SetAttribute(kName, name.constData());
        node.SetAttribute(kProFileAppName, appName.constData());
        node.SetAttribute(kProFileAppIco, appIco.constData());
        return true;
    });
}

bool xmlInterface::getProfileInfo(const QString &path, const QByteArray &profile, profileInfo &info)
{
    return readRecord(path, [&profile](xmlStoreDocument &doc) { return findProfile(doc, profile); }, info);
}

bool xmlInterface::exportProfile(const QString &srcPath, const QString &dstPath,
                                 const QByteArray &value, bool renumber)
{
    const int64_t index = renumber ? int64_t(textToInt(value.constData())) + 1 : kKeepIndex;
    return copyRootChild(dstPath, srcPath, value, [index](const XMLElement &) { return index; });
}

bool xmlInterface::importProfile(const QString &dstPath, const QString &srcPath, const QByteArray &value)
{
    return copyRootChild(dstPath, srcPath, value, [](const XMLElement &root) -> int64_t {
        const xmlIndexNameList list = indexNameList(root);
        if (list.isEmpty())
            return 0;
        const int64_t largest = textToInt(list.last().first.constData());
        return largest > -1 ? largest + 1 : 0;
    });
}

bool xmlInterface::copyProfileWithIndex(const QString &dstPath, int index, const QString &srcPath,
                                        const QByteArray &value)
{
    return copyRootChild(dstPath, srcPath, value, [index](const XMLElement &) { return int64_t(index); });
}

// --- Key bindings ------------------------------------------------------------

namespace {

// A binding's six attributes, in file order.
XMLElement *newKeyItem(XMLDocument &doc, std::initializer_list<QByteArray> values)
{
    static const char *const names[] = {kKeyCode, kKeyChar, kOperateType, kRepeatNum, kMode, kValue};
    XMLElement *item = doc.NewElement(kItem);
    const char *const *name = names;
    for (const QByteArray &value : values)
        item->SetAttribute(*name++, value.constData());
    return item;
}

} // namespace

bool xmlInterface::addKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode,
                              const QByteArray &keyChar, const QByteArray &operateType,
                              const QByteArray &repeatNum, const QByteArray &mode, const QByteArray &value)
{
    return changeElement(path, profileAnchor(profile), childNamed(kMacro),
                         [&](XMLDocument &doc, XMLElement &macro) {
                             macro.InsertEndChild(newKeyItem(doc, {keyCode, keyChar, operateType, repeatNum, mode, value}));
                         });
}

bool xmlInterface::deleteKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode)
{
    const auto binding = [&keyCode](XMLElement &node) {
        return childWithAttribute(node.FirstChildElement(kMacro), kKeyCode, keyCode);
    };
    return changeElement(path, profileAnchor(profile), binding, removeElement);
}

bool xmlInterface::replaceKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode,
                                  const QByteArray &keyChar, const QByteArray &operateType,
                                  const QByteArray &repeatNum, const QByteArray &mode, const QByteArray &value)
{
    return changeElement(path, profileAnchor(profile), childNamed(kMacro), [&](XMLDocument &doc, XMLElement &macro) {
        if (XMLElement *old = childWithAttribute(&macro, kKeyCode, keyCode))
            removeElement(doc, *old);
        macro.InsertEndChild(newKeyItem(doc, {keyCode, keyChar, operateType, repeatNum, mode, value}));
    });
}

bool xmlInterface::getKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode,
                              customKeyInfo &info)
{
    return readRecord(
        path,
        [&](xmlStoreDocument &doc) {
            return childWithAttribute(childOf(findProfile(doc, profile), kMacro), kKeyCode, keyCode);
        },
        info);
}

bool xmlInterface::getKeyCodeList(const QString &path, const QByteArray &profile, QList<QByteArray> &list)
{
    return readElement(path, profileChild(profile, kMacro), [&list](const XMLElement &macro) {
        for (const XMLElement *item = macro.FirstChildElement(); item; item = item->NextSiblingElement()) {
            if (const char *code = item->Attribute(kKeyCode))
                list.append(QByteArray(code));
        }
    });
}

bool xmlInterface::getKeyInfoList(const QString &path, const QByteArray &profile, QList<customKeyInfo> &list)
{
    return readElement(path, profileChild(profile, kMacro), [&list](const XMLElement &macro) {
        for (const XMLElement *item = macro.FirstChildElement(); item; item = item->NextSiblingElement()) {
            if (!item->Attribute(kKeyCode))
                continue;
            customKeyInfo record;
            std::memset(&record, 0, sizeof record);
            xmlRecordCodec::read(*item, record);
            list.append(record);
        }
    });
}

bool xmlInterface::hasKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    return childWithAttribute(childOf(findProfile(doc, profile), kMacro), kKeyCode, keyCode) != nullptr;
}

int xmlInterface::countKeysWithValue(const QString &path, const QByteArray &profile,
                                     const QByteArray &operateType, const QByteArray &value)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    XMLElement *node = findProfile(doc, profile);
    if (!node)
        return -1;
    const XMLElement *macro = node->FirstChildElement(kMacro);
    if (!macro)
        return 0;
    int count = 0;
    for (const XMLElement *item = macro->FirstChildElement(); item; item = item->NextSiblingElement()) {
        // A binding counts when its Value comes after its operateType.
        const XMLAttribute *type = nullptr;
        for (const XMLAttribute *a = item->FirstAttribute(); a; a = a->Next()) {
            if (std::strcmp(a->Name(), kOperateType) == 0) {
                type = a;
            } else if (type && std::strcmp(a->Name(), kValue) == 0) {
                if (textEquals(type->Value(), operateType) && textEquals(a->Value(), value))
                    ++count;
                break;
            }
        }
    }
    return count;
}

// --- Macros of the macro file ---------------------------------------------

bool xmlInterface::addMacro(const QString &path, const QByteArray &index, const QByteArray &name)
{
    return addMacroWithItems(path, index, name, {});
}

bool xmlInterface::addMacroItems(const QString &path, const QList<macroItemInfo> &items,
                                 const QByteArray &macro)
{
    return changeUnder(path, macroAnchor(macro), [&items](xmlStoreDocument &doc, XMLElement &node) {
        appendMacroItems(doc.document(), node, items);
        return true;
    });
}

bool xmlInterface::getMacroItems(const QString &path, const QByteArray &macro, const QByteArray &macroName,
                                 QList<macroItemInfo> &items)
{
    return readElement(
        path, [&macro](xmlStoreDocument &doc) { return matchChild(doc.root(), macro); },
        [&](const XMLElement &node) {
            if (lcXmlTrace().isDebugEnabled()) {
                for (const XMLElement *item = node.FirstChildElement(); item; item = item->NextSiblingElement())
                    qCDebug(lcXmlTrace).noquote() << attributeTrace(*item);
                qCDebug(lcXmlTrace).noquote() << "---------------- [SelectAll] ---------------- macroName:"
                                              << QString::fromUtf8(macroName);
            }
            appendRecords(&node, items);
        });
}

bool xmlInterface::deleteMacroItem(const QString &path, const QByteArray &macro, const QByteArray &mark)
{
    return changeUnder(path, macroAnchor(macro), [&mark](xmlStoreDocument &, XMLElement &node) {
        // Only the mark itself is compared: a mark "1" must not take events whose
        // delay is "100" with it.
        bool removed = false;
        XMLElement *item = node.FirstChildElement();
        while (item) {
            XMLElement *next = item->NextSiblingElement();
            if (textEquals(item->Attribute(kMark), mark)) {
                qCDebug(lcXmlTrace).noquote() << "--------------DeleteItem delCondition;" << QString::fromUtf8(mark);
                node.DeleteChild(item);
                removed = true;
            }
            item = next;
        }
        if (!removed)
            qCDebug(lcXmlTrace).noquote() << "-------------- *** Not find [DeleteItem Node] *** --------------";
        return removed;
    });
}

bool xmlInterface::updateMacroItem(const QString &path, const QByteArray &macro, const QByteArray &mark,
                                   bool second, const macroItemInfo &info)
{
    return changeUnder(path, macroAnchor(macro), [&](xmlStoreDocument &, XMLElement &node) {
        XMLElement *item = markedItem(&node, mark, second);
        if (item) {
            item->SetAttribute(kDelay, fieldText(info.delay).constData());
            item->SetAttribute(kType, fieldText(info.type).constData());
            item->SetAttribute(kKeyCode, fieldText(info.keyCode).constData());
            item->SetAttribute(kCodeName, fieldText(info.codeName).constData());
            qCDebug(lcXmlTrace).noquote() << "--------------UpDateItem UpDateCondition;" + QString::fromUtf8(mark)
                                                 + " => " + fixedText(info.operateExplain);
        } else {
            qCDebug(lcXmlTrace).noquote() << "-------------- *** Not find [UpDateItem Node] *** --------------";
        }
        return item != nullptr;
    });
}

bool xmlInterface::moveMacroItem(const QString &path, const QByteArray &macro, const QByteArray &mark,
                                 bool up, bool second)
{
    return changeUnder(path, macroAnchor(macro), [&](xmlStoreDocument &, XMLElement &node) {
        XMLElement *item = markedItem(&node, mark, second);
        bool moved = false;
        if (item && up) {
            if (XMLElement *previous = item->PreviousSiblingElement()) {
                if (tinyxml2::XMLNode *before = previous->PreviousSibling())
                    node.InsertAfterChild(before, item);
                else
                    node.InsertFirstChild(item);
                moved = true;
            }
        } else if (item) {
            if (XMLElement *next = item->NextSiblingElement()) {
                node.InsertAfterChild(next, item);
                moved = true;
            }
        }
        return moved;
    });
}

bool xmlInterface::replaceMacroItems(const QString &path, const QByteArray &macro,
                                     const QList<macroItemInfo> &items)
{
    return changeUnder(path, macroAnchor(macro), [&items](xmlStoreDocument &doc, XMLElement &node) {
        XMLElement *item = node.FirstChildElement(kItem);
        while (item) {
            XMLElement *next = item->NextSiblingElement(kItem);
            node.DeleteChild(item);
            item = next;
        }
        appendMacroItems(doc.document(), node, items);
        return true;
    });
}

bool xmlInterface::addMacroWithItems(const QString &path, const QByteArray &index, const QByteArray &name,
                                     const QList<macroItemInfo> &items)
{
    return changeUnder(path, rootAnchor(), [&](xmlStoreDocument &doc, XMLElement &root) {
        root.InsertEndChild(newMacroElement(doc.document(), index, name, items));
        return true;
    });
}

bool xmlInterface::createMacroFile(const QString &path, const QByteArray &index, const QByteArray &name,
                                   const QList<macroItemInfo> &items)
{
    const StoreLock lock;
    xmlStoreDocument doc(path, xmlStoreDocument::NewFile);
    newRoot(doc.document())->InsertEndChild(newMacroElement(doc.document(), index, name, items));
    return doc.save();
}

// --- Macros bound in a profile -------------------------------------------

bool xmlInterface::addBindMacro(const QString &path, const QByteArray &profile,
                                const QList<macroItemInfo> &items, const QByteArray &macroIndex,
                                const QByteArray &macroName)
{
    return changeElement(path, profileAnchor(profile), childNamed(kBindMacro),
                         [&](XMLDocument &doc, XMLElement &bind) {
                             bind.InsertEndChild(newMacroElement(doc, macroIndex, macroName, items));
                         });
}

bool xmlInterface::deleteBindMacro(const QString &path, const QByteArray &profile, const QByteArray &macro)
{
    return changeElement(
        path, profileAnchor(profile),
        [&macro](XMLElement &node) { return matchChild(node.FirstChildElement(kBindMacro), macro); },
        removeElement);
}

bool xmlInterface::replaceBindMacro(const QString &path, const QByteArray &profile,
                                    const QList<macroItemInfo> &items, const QByteArray &macroIndex,
                                    const QByteArray &macroName)
{
    return changeElement(path, profileAnchor(profile), childNamed(kBindMacro), [&](XMLDocument &doc, XMLElement &bind) {
        if (XMLElement *old = matchChild(&bind, macroIndex))
            removeElement(doc, *old);
        bind.InsertEndChild(newMacroElement(doc, macroIndex, macroName, items));
    });
}

bool xmlInterface::getBindMacroItems(const QString &path, const QByteArray &profile,
                                     const QByteArray &macro, QList<macroItemInfo> &items)
{
    return readRecords(
        path,
        [&](xmlStoreDocument &doc) { return matchChild(childOf(findProfile(doc, profile), kBindMacro), macro); },
        items);
}

// --- Device lists ------------------------------------------------------------

bool xmlInterface::getHidModelList(const QString &path, QList<hidModelInfo> &list)
{
    return readRecords(path, documentRoot, list);
}

bool xmlInterface::getHidSupportList(const QString &path, QList<hidSupportInfo> &list)
{
    return readRecords(path, documentRoot, list);
}

// --- Light items -------------------------------------------------------------

namespace {

auto zoneIn(int zone)
{
    return [zone](XMLElement &profile) { return zoneElement(&profile, zone); };
}

auto lightItemIn(int zone, int effect)
{
    return [zone, effect](XMLElement &profile) { return lightItem(zoneElement(&profile, zone), effect); };
}

} // namespace

bool xmlInterface::addLightInfo(const QString &path, const QByteArray &profile, const colorInfoData &info)
{
    return changeElement(path, profileAnchor(profile), zoneIn(info.ledKeyboardOrSide),
                         [&info](XMLDocument &doc, XMLElement &zone) { appendItem(doc, zone, info); });
}

bool xmlInterface::getLightInfo(const QString &path, const QByteArray &profile, int zone, int effect,
                                colorInfoData &info)
{
    return readRecord(
        path,
        [&](xmlStoreDocument &doc) { return lightItem(zoneElement(findProfile(doc, profile), zone), effect); },
        info);
}

bool xmlInterface::updateLightInfo(const QString &path, const QByteArray &profile, int zone, int effect,
                                   const colorInfoData &info)
{
    return changeElement(path, profileAnchor(profile), lightItemIn(zone, effect),
                         [&info](XMLDocument &, XMLElement &item) { xmlRecordCodec::write(item, info); });
}

bool xmlInterface::hasLightInfo(const QString &path, const QByteArray &profile, int zone, int effect)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    return lightItem(zoneElement(findProfile(doc, profile), zone), effect) != nullptr;
}

bool xmlInterface::setLightItemOpenOrClose(const QString &path, const QByteArray &profile, int zone,
                                           int effect, int value)
{
    return changeElement(path, profileAnchor(profile), lightItemIn(zone, effect),
                         [value](XMLDocument &, XMLElement &item) { item.SetAttribute(kLedOpenOrClose, value); });
}

// --- Zone switches -------------------------------------------------------------

namespace {

int readZoneAttribute(const QString &path, const QByteArray &profile, int zone, const char *name,
                      int fallback)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    return intAttribute(zoneElement(findProfile(doc, profile), zone), name, fallback);
}

bool writeZoneAttribute(const QString &path, const QByteArray &profile, int zone, const char *name,
                        int value)
{
    return changeElement(path, profileAnchor(profile), zoneIn(zone),
                         [name, value](XMLDocument &, XMLElement &light) {
                             light.SetAttribute(name, value);
                         });
}

} // namespace

int xmlInterface::getLightOpenOrClose(const QString &path, const QByteArray &profile)
{
    return readZoneAttribute(path, profile, 0, kLedOpenOrClose, 0);
}

bool xmlInterface::setLightOpenOrClose(const QString &path, const QByteArray &profile, int value)
{
    return writeZoneAttribute(path, profile, 0, kLedOpenOrClose, value);
}

int xmlInterface::getLightSynchronizeStatus(const QString &path, const QByteArray &profile)
{
    return readZoneAttribute(path, profile, 0, kSynchronizeStatus, 0);
}

bool xmlInterface::setLightSynchronizeStatus(const QString &path, const QByteArray &profile, int value)
{
    return writeZoneAttribute(path, profile, 0, kSynchronizeStatus, value);
}

int xmlInterface::getLightUsingIndex(const QString &path, const QByteArray &profile, int zone)
{
    return readZoneAttribute(path, profile, zone, kUsingIndex, 1);
}

bool xmlInterface::setLightUsingIndex(const QString &path, const QByteArray &profile, int zone, int value)
{
    return writeZoneAttribute(path, profile, zone, kUsingIndex, value);
}

int xmlInterface::getLightLinkStatus(const QString &path, const QByteArray &profile, int zone)
{
    return readZoneAttribute(path, profile, zone, kLinkStatus, 0);
}

bool xmlInterface::setLightLinkStatus(const QString &path, const QByteArray &profile, int zone, int value)
{
    return writeZoneAttribute(path, profile, zone, kLinkStatus, value);
}

// --- Colour swatches -------------------------------------------------------

bool xmlInterface::addCustomColor(const QString &path, const QByteArray &profile, const customColorInfo &info)
{
    return changeElement(path, profileAnchor(profile), childNamed(kCustomColor),
                         [&info](XMLDocument &doc, XMLElement &colors) { appendItem(doc, colors, info); });
}

bool xmlInterface::getCustomColorList(const QString &path, const QByteArray &profile,
                                      QList<customColorInfo> &list)
{
    return readRecords(path, profileChild(profile, kCustomColor), list);
}

bool xmlInterface::deleteCustomColor(const QString &path, const QByteArray &profile, const QByteArray &index)
{
    const auto swatch = [&index](XMLElement &node) {
        return childWithAttribute(node.FirstChildElement(kCustomColor), kIndex, index);
    };
    return changeElement(path, profileAnchor(profile), swatch, removeElement);
}

// --- Custom per-key lighting -------------------------------------------------

namespace {

auto customLightProfileAnchor(const QByteArray &profileIndex)
{
    return [&profileIndex](xmlStoreDocument &doc) {
        return requireAnchor(profileByIndex(doc, profileIndex), doc, "profile", profileIndex);
    };
}

auto schemeIn(const QByteArray &schemeIndex)
{
    return [&schemeIndex](XMLElement &profile) { return customLightScheme(&profile, schemeIndex); };
}

} // namespace

bool xmlInterface::addCustomLight(const QString &path, const QByteArray &profileIndex,
                                  const QByteArray &schemeIndex, const QByteArray &name,
                                  const QByteArray &isUsing, int usingFlagIndex)
{
    return changeElement(path, customLightProfileAnchor(profileIndex), childNamed(kCustomLight),
                         [&](XMLDocument &doc, XMLElement &lights) {
                             XMLElement *scheme = doc.NewElement(kCustomLed);
                             scheme->SetAttribute(kIndex, schemeIndex.constData());
                             scheme->SetAttribute(kName, name.constData());
                             scheme->SetAttribute(kIsUsing, isUsing.constData());
                             scheme->SetAttribute(kUsingFlagIndex, usingFlagIndex);
                             lights.InsertEndChild(scheme);
                         });
}

bool xmlInterface::addCustomLightKey(const QString &path, const QByteArray &profileIndex,
                                     const QByteArray &schemeIndex, const customLightKeyInfo &key)
{
    return changeElement(path, customLightProfileAnchor(profileIndex), schemeIn(schemeIndex),
                         [&key](XMLDocument &doc, XMLElement &scheme) { appendItem(doc, scheme, key); });
}

bool xmlInterface::getCustomLightList(const QString &path, const QByteArray &profileIndex,
                                      QList<customLightInfo> &list)
{
    return readRecords(
        path, [&](xmlStoreDocument &doc) { return childOf(profileByIndex(doc, profileIndex), kCustomLight); },
        list, kCustomLed);
}

bool xmlInterface::getCustomLightKeys(const QString &path, const QByteArray &profileIndex,
                                      const QByteArray &schemeIndex, QList<customLightKeyInfo> &list)
{
    return readRecords(
        path,
        [&](xmlStoreDocument &doc) { return customLightScheme(profileByIndex(doc, profileIndex), schemeIndex); },
        list);
}

bool xmlInterface::setCustomLightName(const QString &path, const QByteArray &profileIndex,
                                      const QByteArray &schemeIndex, const QByteArray &name)
{
    return changeElement(path, customLightProfileAnchor(profileIndex), schemeIn(schemeIndex),
                         [&name](XMLDocument &, XMLElement &scheme) {
                             scheme.SetAttribute(kName, name.constData());
                         });
}

bool xmlInterface::setCustomLightUsing(const QString &path, const QByteArray &profileIndex,
                                       const QByteArray &schemeIndex, const QByteArray &isUsing,
                                       int usingFlagIndex)
{
    return changeElement(path, customLightProfileAnchor(profileIndex), schemeIn(schemeIndex),
                         [&](XMLDocument &, XMLElement &scheme) {
                             scheme.SetAttribute(kIsUsing, isUsing.constData());
                             scheme.SetAttribute(kUsingFlagIndex, usingFlagIndex);
                         });
}

int xmlInterface::getUsingCustomLightIndex(const QString &path, const QByteArray &profileIndex)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    const XMLElement *lights = childOf(profileByIndex(doc, profileIndex), kCustomLight);
    if (!lights)
        return -1;
    int lastIndex = -1;
    for (const XMLElement *scheme = lights->FirstChildElement(kCustomLed); scheme;
         scheme = scheme->NextSiblingElement(kCustomLed)) {
        for (const XMLAttribute *a = scheme->FirstAttribute(); a; a = a->Next()) {
            if (std::strcmp(a->Name(), kIndex) == 0) {
                lastIndex = textToInt(a->Value());
            } else if (std::strcmp(a->Name(), kUsingFlagIndex) == 0) {
                const int flag = textToInt(a->Value());
                if (flag == 0 || flag == 1)
                    return lastIndex;
            }
        }
    }
    return -1;
}

bool xmlInterface::clearCustomLightKeys(const QString &path, const QByteArray &profileIndex,
                                        const QByteArray &schemeIndex)
{
    return changeElement(path, customLightProfileAnchor(profileIndex), schemeIn(schemeIndex),
                         [](XMLDocument &, XMLElement &scheme) { scheme.DeleteChildren(); });
}

bool xmlInterface::replaceCustomLightKeys(const QString &path, const QByteArray &profileIndex,
                                          const QByteArray &schemeIndex, const QList<customLightKeyInfo> &keys)
{
    return changeElement(path, customLightProfileAnchor(profileIndex), schemeIn(schemeIndex),
                         [&keys](XMLDocument &doc, XMLElement &scheme) {
                             scheme.DeleteChildren();
                             for (const customLightKeyInfo &key : keys)
                                 appendItem(doc, scheme, key);
                         });
}

bool xmlInterface::getDefaultCustomLightKeys(const QString &path, const QByteArray &schemeIndex,
                                             QList<customLightKeyInfo> &list)
{
    const auto scheme = [&schemeIndex](xmlStoreDocument &doc) {
        return childWithAttribute(doc.root(), kIndex, schemeIndex, kCustomLed);
    };
    return readRecords(path, scheme, list);
}

// --- DPI levels ------------------------------------------------------------------

bool xmlInterface::setDpiUsingIndex(const QString &path, const QByteArray &profile, int index)
{
    return changeElement(path, profileAnchor(profile), childNamed(kDpi),
                         [index](XMLDocument &, XMLElement &dpi) { dpi.SetAttribute(kUsingIndex, index); });
}

bool xmlInterface::saveDpiUsingIndex(const QString &path, const QByteArray &profile, int index)
{
    return setDpiUsingIndex(path, profile, index);
}

int xmlInterface::getDpiUsingIndex(const QString &path, const QByteArray &profile)
{
    const StoreLock lock;
    xmlStoreDocument doc(path);
    return intAttribute(childOf(findProfile(doc, profile), kDpi), kUsingIndex, 1);
}

bool xmlInterface::addDpiInfo(const QString &path, const QByteArray &profile, const dpiConfigInfo &info)
{
    return changeElement(path, profileAnchor(profile), childNamed(kDpi),
                         [&info](XMLDocument &doc, XMLElement &dpi) { appendItem(doc, dpi, info); });
}

bool xmlInterface::getDpiList(const QString &path, const QByteArray &profile, QList<dpiConfigInfo> &list)
{
    return readRecords(path, profileChild(profile, kDpi), list);
}

bool xmlInterface::updateDpiInfo(const QString &path, const QByteArray &profile, int level,
                                 const dpiConfigInfo &info)
{
    const auto levelItem = [level](XMLElement &node) -> XMLElement * {
        if (XMLElement *dpi = node.FirstChildElement(kDpi)) {
            for (XMLElement *e = dpi->FirstChildElement(); e; e = e->NextSiblingElement()) {
                if (e->Attribute(kIndex) && textToInt(e->Attribute(kIndex)) == level)
                    return e;
            }
        }
        return nullptr;
    };
    return changeElement(path, profileAnchor(profile), levelItem,
                         [&info](XMLDocument &, XMLElement &item) { xmlRecordCodec::write(item, info); });
}

// --- Performance options ---------------------------------------------------

bool xmlInterface::setPerformanceSetting(const QString &path, const QByteArray &profile,
                                         const QByteArray &feature1, const QByteArray &feature2,
                                         const QByteArray &feature3, const QByteArray &feature4)
{
    return changeElement(path, profileAnchor(profile), childNamed(kFunction),
                         [&](XMLDocument &doc, XMLElement &function) {
                             XMLElement *former = function.FirstChildElement();
                             XMLElement *setting = doc.NewElement(kSetting);
                             setting->SetAttribute(kFeatures[0], feature1.constData());
                             setting->SetAttribute(kFeatures[1], feature2.constData());
                             setting->SetAttribute(kFeatures[2], feature3.constData());
                             setting->SetAttribute(kFeatures[3], feature4.constData());
                             function.InsertEndChild(setting);
                             if (former)
                                 function.DeleteChild(former);
                         });
}

bool xmlInterface::getPerformanceSetting(const QString &path, const QByteArray &profile,
                                         performanceSettingInfo &info)
{
    const auto setting = [&profile](xmlStoreDocument &doc) {
        return childOf(childOf(findProfile(doc, profile), kFunction), nullptr);
    };
    return readRecord(path, setting, info);
}

namespace {

XMLElement *childWithFeature(XMLElement *function, const char *feature)
{
    if (!function)
        return nullptr;
    for (XMLElement *child = function->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->Attribute(feature))
            return child;
    }
    return nullptr;
}

} // namespace

int xmlInterface::getFeature(const QString &path, const QByteArray &profile, int n)
{
    if (n < 0 || n > 3)
        return 0;
    const StoreLock lock;
    xmlStoreDocument doc(path);
    XMLElement *setting = childWithFeature(childOf(findProfile(doc, profile), kFunction), kFeatures[n]);
    return intAttribute(setting, kFeatures[n], 0);
}

bool xmlInterface::setFeature(const QString &path, const QByteArray &profile, int n, int value)
{
    const auto settingWithFeature = [n](XMLElement &node) -> XMLElement * {
        if (n < 0 || n > 3)
            return nullptr;
        return childWithFeature(node.FirstChildElement(kFunction), kFeatures[n]);
    };
    return changeElement(path, profileAnchor(profile), settingWithFeature,
                         [n, value](XMLDocument &, XMLElement &setting) {
                             setting.SetAttribute(kFeatures[n], value);
                         });
}
