#include "cliprogress.h"

#include <cstdio>
#include <unistd.h>

CliProgress::CliProgress(const QString &label)
    : m_label(label)
    , m_active(isatty(STDOUT_FILENO) && isatty(STDERR_FILENO))
{ }

CliProgress::~CliProgress()
{
    finish();
}

void CliProgress::update(int done, int total)
{
    if (!m_active || total <= 0)
        return;
    const int percent = int(qint64(done) * 100 / total);
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    constexpr int width = 30;
    const int filled = percent * width / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(width - filled, '.');
    std::fprintf(stderr, "\r%s [%s] %3d%% (%d/%d)", m_label.toLocal8Bit().constData(), bar.constData(),
        percent, done, total);
    std::fflush(stderr);
    m_drawn = true;
}

void CliProgress::finish()
{
    if (!m_drawn)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    m_drawn = false;
}
