#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

// A real CalDAV server for the tests: Debian's radicale on 127.0.0.1 at a
// free port, with its own storage folder and one user (htpasswd), stopped
// when the object goes. stop() and start() keep the port and the storage,
// as a server that went away and came back.
class CRadicaleServer
{
public:
    static constexpr const char *kUser = "alice";
    static constexpr const char *kPassword = "s3cret pass";

    CRadicaleServer()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        const QString users = m_dir.filePath(QStringLiteral("users"));
        QProcess htpasswd;
        htpasswd.start(QStringLiteral("htpasswd"), { QStringLiteral("-c"), QStringLiteral("-b"), QStringLiteral("-p"), users,
                                                     QString::fromLatin1(kUser), QString::fromLatin1(kPassword) });
        htpasswd.waitForFinished(10000);
        QFile config(m_dir.filePath(QStringLiteral("config")));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n"
                                    "[auth]\ntype = htpasswd\nhtpasswd_filename = %2\nhtpasswd_encryption = plain\n"
                                    "[storage]\nfilesystem_folder = %3\n"
                                    "[rights]\ntype = owner_only\n"
                                    "[logging]\nlevel = warning\n")
                         .arg(m_port)
                         .arg(users, m_dir.filePath(QStringLiteral("storage")))
                         .toUtf8());
        config.close();
        QFile pw(PasswordFile());
        pw.open(QIODevice::WriteOnly);
        pw.write(QByteArray(kPassword) + "\n");
        pw.close();
        start();
    }
    ~CRadicaleServer() { stop(); }

    bool start()
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("radicale"), { QStringLiteral("--config"), m_dir.filePath(QStringLiteral("config")) });
        if (!m_process.waitForStarted(10000))
            return false;
        for (int i = 0; i < 200; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, m_port);
            if (s.waitForConnected(100))
                return m_running = true;
            if (m_process.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(50);
        }
        return false;
    }
    // Gone at once, as a server that crashed or lost its network.
    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
        m_running = false;
    }

    bool Running() const { return m_running; }
    QString Log() { return QString::fromUtf8(m_process.readAll()); }
    quint16 Port() const { return m_port; }
    QString Root() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }
    QString PasswordFile() const { return m_dir.filePath(QStringLiteral("password")); }
    // The event files the server holds for the user.
    QStringList EventFiles() const
    {
        QStringList files;
        QDir user(m_dir.filePath(QStringLiteral("storage/collection-root/") + QString::fromLatin1(kUser)));
        for (const QString &c : user.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString &f : QDir(user.filePath(c)).entryList({ QStringLiteral("*.ics") }, QDir::Files))
                files << user.filePath(c) + QLatin1Char('/') + f;
        return files;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_running = false;
};
