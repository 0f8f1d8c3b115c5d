#include "passwordstore.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

namespace kalvor::platform {

namespace {

const QString kService = QStringLiteral("Kalvor");
constexpr int kKeyringTimeoutMs = 5000;

// Runs a keyring job to its end, or gives up after a while when the keyring does not answer.
bool run(QKeychain::Job& job) {
    job.setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kKeyringTimeoutMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec();
    return finished && job.error() == QKeychain::NoError;
}

} // namespace

std::optional<QString> PasswordStore::read(const QString& key) {
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(key);
    if (!run(job))
        return std::nullopt;
    return job.textData();
}

bool PasswordStore::write(const QString& key, const QString& password) {
    QKeychain::WritePasswordJob job(kService);
    job.setKey(key);
    job.setTextData(password);
    return run(job);
}

} // namespace kalvor::platform
