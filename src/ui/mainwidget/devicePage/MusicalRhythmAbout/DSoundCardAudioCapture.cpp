#include "DSoundCardAudioCapture.h"

#include "DDataManager.h"
#include "loopbackAudioSource.h"
#include "pulseLoopbackAudioSource.h"

#include <QDebug>

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject *parent)
    : DSoundCardAudioCapture(std::make_unique<pulseLoopbackAudioSource>(), parent)
{
}

DSoundCardAudioCapture::DSoundCardAudioCapture(std::unique_ptr<loopbackAudioSource> source, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
{
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stop();
}

bool DSoundCardAudioCapture::setSource(std::unique_ptr<loopbackAudioSource> source)
{
    if (m_running || !source)
        return false;
    m_source = std::move(source);
    return true;
}

int DSoundCardAudioCapture::start()
{
    if (m_running)
        return 0;
    QString why;
    // Runs on the source's thread: the copy made here is the receiver's own.
    auto emitPacket = [this](const char *data, int length) {
        emit sigSendCaptureAudioData(QByteArray(data, length));
    };
    if (!m_source->start(emitPacket, &why)) {
        m_lastError = why;
        qDebug() << "------------- [Musical Rhythm] sound capture failed:" << why << "-------------";
        DDataManager::instance()->writeLog(QStringLiteral("Musical Rhythm: sound capture failed: ") + why);
        return -1;
    }
    m_lastError.clear();
    m_running = true;
    return 0;
}

int DSoundCardAudioCapture::stop()
{
    m_running = false;
    if (m_source)
        m_source->stop();
    return 0;
}
