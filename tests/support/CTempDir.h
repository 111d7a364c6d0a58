#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Sets an environment variable for the lifetime of the object and restores
// the old value afterwards, also when the test fails.
class CEnvGuard
{
public:
    CEnvGuard(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~CEnvGuard()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

// A fresh per-user home for one test: data and settings folders in a
// temporary directory.
class CTempHome
{
public:
    CTempHome()
        : m_data("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/data")).toLocal8Bit()),
          m_config("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toLocal8Bit())
    {
    }
    QString Path() const { return m_dir.path(); }
    QString DataHome() const { return m_dir.path() + QStringLiteral("/data"); }

private:
    QTemporaryDir m_dir;
    CEnvGuard m_data;
    CEnvGuard m_config;
};
