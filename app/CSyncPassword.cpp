#include "app/CSyncPassword.h"

#include <qt6keychain/keychain.h>

const QString CSyncPassword::kService = QStringLiteral("Kestrelmark");

void CSyncPassword::read(const QString &key, ReadDone done)
{
    auto *job = new QKeychain::ReadPasswordJob(kService);
    job->setAutoDelete(true);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, [done = std::move(done)](QKeychain::Job *j) {
        if (j->error() != QKeychain::NoError)
            done(QString(), j->errorString());
        else
            done(static_cast<QKeychain::ReadPasswordJob *>(j)->textData(), QString());
    });
    job->start();
}

void CSyncPassword::write(const QString &key, const QString &password, WriteDone done)
{
    auto *job = new QKeychain::WritePasswordJob(kService);
    job->setAutoDelete(true);
    job->setKey(key);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished, [done = std::move(done)](QKeychain::Job *j) {
        done(j->error() != QKeychain::NoError ? j->errorString() : QString());
    });
    job->start();
}
