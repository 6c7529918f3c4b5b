#include "macroRecorder.h"

#include "macroEventRules.h"

#include <chrono>

macroRecorder::macroRecorder(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(&macroRecorder::systemTickCount))
{
}

void macroRecorder::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(&macroRecorder::systemTickCount);
}

quint32 macroRecorder::systemTickCount()
{
    using namespace std::chrono;
    return static_cast<quint32>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void macroRecorder::start(int eventsShown)
{
    m_recording = true;
    m_hasLastEvent = false;
    m_lastEventTime = 0;
    m_eventCount = eventsShown;
    m_held.clear();
    m_pending.clear();
}

QList<macroItemInfo> macroRecorder::stop()
{
    QList<macroItemInfo> releases;
    if (m_recording) {
        for (const Held &held : qAsConst(m_held)) {
            if (held.mouse) {
                const auto button = static_cast<macroEventRules::MouseButton>(held.id);
                releases << take(held.mark, 0, macroEventRules::MouseType,
                                 macroEventRules::mouseMessage(button, false),
                                 macroEventRules::mouseName(button, false), macroEventRules::Up);
            } else {
                releases << take(held.mark, 0, macroEventRules::KeyType, held.code, held.name,
                                 macroEventRules::Up);
            }
        }
    }
    m_held.clear();
    m_recording = false;
    return releases;
}

std::optional<macroItemInfo> macroRecorder::keyDown(int vk, int code, const QString &caption,
                                                     const DelayRule &rule)
{
    if (!m_recording || heldIndex(false, vk) >= 0 || !pressFits())
        return std::nullopt;
    const QByteArray mark = macroEventRules::createMark();
    m_held.append({false, vk, mark, code, caption});
    return take(mark, nextDelay(rule), macroEventRules::KeyType, code, caption, macroEventRules::Down);
}

std::optional<macroItemInfo> macroRecorder::keyUp(int vk, const DelayRule &rule)
{
    const int i = m_recording ? heldIndex(false, vk) : -1;
    if (i < 0)
        return std::nullopt;
    const Held held = m_held.takeAt(i);
    return take(held.mark, nextDelay(rule), macroEventRules::KeyType, held.code, held.name, macroEventRules::Up);
}

std::optional<macroItemInfo> macroRecorder::mouse(int message, const DelayRule &rule)
{
    const macroEventRules::MouseButton button = macroEventRules::buttonOfMessage(message);
    if (!m_recording || button == macroEventRules::NoButton)
        return std::nullopt;
    const int i = heldIndex(true, button);
    if (macroEventRules::isPressMessage(message)) {
        if (i >= 0 || !pressFits())
            return std::nullopt;
        const QByteArray mark = macroEventRules::createMark();
        m_held.append({true, button, mark, message, QString()});
        return take(mark, nextDelay(rule), macroEventRules::MouseType, message,
                    macroEventRules::mouseName(button, true), macroEventRules::Down);
    }
    if (i < 0)
        return std::nullopt;
    const Held held = m_held.takeAt(i);
    return take(held.mark, nextDelay(rule), macroEventRules::MouseType, message,
                macroEventRules::mouseName(button, false), macroEventRules::Up);
}

int macroRecorder::heldIndex(bool mouse, int id) const
{
    for (int i = 0; i < m_held.size(); ++i) {
        if (m_held.at(i).mouse == mouse && m_held.at(i).id == id)
            return i;
    }
    return -1;
}

bool macroRecorder::pressFits() const
{
    // Every held press has its release's place kept.
    return macroEventRules::pairFits(m_eventCount + m_held.size());
}

int macroRecorder::nextDelay(const DelayRule &rule)
{
    const quint32 now = m_clock();
    // Unsigned subtraction: a clock that wrapped still gives the time between.
    const qint64 measured = m_hasLastEvent ? qint64(quint32(now - m_lastEventTime)) : 0;
    m_hasLastEvent = true;
    m_lastEventTime = now;
    switch (rule.mode) {
    case NoDelay:
        return 0;
    case DefaultDelay:
        return macroEventRules::delayFromText(rule.defaultDelay);
    default:
        return macroEventRules::clampDelay(measured);
    }
}

macroItemInfo macroRecorder::take(const QByteArray &mark, int delay, const char *type, int code,
                                  const QString &name, const char *word)
{
    const macroItemInfo item = macroEventRules::makeItem(mark, delay, QString::fromLatin1(type), code, name,
                                                         QString::fromLatin1(word));
    m_pending.append(item);
    ++m_eventCount;
    return item;
}
