#pragma once

#include <QString>

// A one-line progress bar on stderr, drawn only when both stdout and stderr are terminals, so
// scripts and log files get no control characters.
class CliProgress
{
public:
    explicit CliProgress(const QString &label);
    ~CliProgress();
    CliProgress(const CliProgress &) = delete;
    CliProgress &operator=(const CliProgress &) = delete;

    bool active() const { return m_active; }
    void update(int done, int total);
    // Clears the bar's line.
    void finish();

private:
    QString m_label;
    bool m_active = false;
    bool m_drawn = false;
    int m_lastPercent = -1;
};
