// The lock file: only a live copy on this machine means "already running"; a stale or
// unreadable lock is taken over; another machine's lock and a lock that cannot be made are told.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>
#include <functional>
#include <optional>

#include "failure_report.h"
#include "single_instance.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

QString writeLock(const QTemporaryDir& folder, const QByteArray& contents) {
    const QString path = folder.filePath("zupel.lock");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(contents);
    return path;
}

TEST(Lock, OnlyALiveCopyOnThisMachineMeansAlreadyRunning) {
    using Outcome = SingleInstance::Outcome;
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const struct {
        const char* what;
        std::optional<QByteArray> contents;  // nullopt: no lock file
        Outcome expected;
        qint64 sparseSize = 0;  // grown to this size, with nothing written
    } cases[] = {
        {"no lock", std::nullopt, Outcome::acquired},
        {"an empty lock", QByteArray(), Outcome::acquired},
        {"a garbled lock", QByteArray("\x01\xff garbage\n", 11), Outcome::acquired},
        {"a dead copy's lock", "2147483000\nzupel\n" + here + "\n", Outcome::acquired},
        {"another machine's lock", QByteArray("4242\nzupel\nfar-away-box\n"),
         Outcome::maybeElsewhere},
        {"an 8 GB sparse lock, never read", "2147483000\nzupel\n" + here, Outcome::acquired,
         qint64{8} << 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        if (c.contents) writeLock(folder, *c.contents);
        if (c.sparseSize) {
            ASSERT_TRUE(QFile(folder.filePath("zupel.lock")).resize(c.sparseSize));
        }
        SingleInstance instance(folder.path());
        const SingleInstance::Result result = instance.acquire();
        EXPECT_EQ(result.outcome, c.expected);
        if (c.expected == Outcome::maybeElsewhere) {
            EXPECT_EQ(result.host, "far-away-box");
        }
        if (c.expected == Outcome::acquired) {
            // It is now this copy's lock, which a second copy sees as running here.
            SingleInstance second(folder.path());
            EXPECT_EQ(second.acquire().outcome, Outcome::runningHere);
        }
    }
}

TEST(Lock, ALockThatCannotBeMadeSaysWhy) {
    QTemporaryDir folder;
    SingleInstance missing(folder.filePath("no-such-folder"));
    const SingleInstance::Result gone = missing.acquire();
    EXPECT_EQ(gone.outcome, SingleInstance::Outcome::failed);
    EXPECT_EQ(gone.reason, "No such file or directory");

    ASSERT_TRUE(QDir(folder.path()).mkdir("zupel.lock"));  // a folder in the lock's place
    SingleInstance blocked(folder.path());
    const SingleInstance::Result result = blocked.acquire();
    EXPECT_EQ(result.outcome, SingleInstance::Outcome::failed);
    EXPECT_EQ(result.reason, "Is a directory");

    if (::geteuid() == 0) return;  // the superuser writes into read-only folders
    QTemporaryDir readOnly;
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly.path()).constData(), 0555), 0);
    SingleInstance refused(readOnly.path());
    const SingleInstance::Result denied = refused.acquire();
    ::chmod(QFile::encodeName(readOnly.path()).constData(), 0755);
    EXPECT_EQ(denied.outcome, SingleInstance::Outcome::failed);
    EXPECT_EQ(denied.reason, "Permission denied");
}

TEST(Lock, WhatIsNoOrdinaryFileIsALockThatCannotBeMade) {
    const struct {
        const char* what;
        std::function<bool(const QByteArray&)> make;  // puts it in the lock's place
        std::string reason;
    } cases[] = {
        {"a FIFO", [](const QByteArray& at) { return ::mkfifo(at, 0644) == 0; },
         "Is a FIFO, not an ordinary file"},
        {"a socket",
         [](const QByteArray& at) {
             sockaddr_un address = {};
             address.sun_family = AF_UNIX;
             if (at.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
             std::memcpy(address.sun_path, at.constData(), at.size());
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound =
                 ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(fd);
             return bound;
         },
         "Is a socket, not an ordinary file"},
        {"a link to nothing", [](const QByteArray& at) { return ::symlink("gone", at) == 0; },
         "Is a symbolic link to nothing"},
        {"a link to a folder", [](const QByteArray& at) { return ::symlink("/", at) == 0; },
         "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QByteArray lock = QFile::encodeName(folder.filePath("zupel.lock"));
        ASSERT_TRUE(c.make(lock));
        SingleInstance instance(folder.path());
        const SingleInstance::Result result = instance.acquire();
        EXPECT_EQ(result.outcome, SingleInstance::Outcome::failed);
        EXPECT_EQ(result.reason, c.reason);
        struct stat left = {};
        EXPECT_EQ(::lstat(lock, &left), 0) << "what the player put there stays";
    }
}

// Answers the message box that `show` opens; returns its text as the box holds it.
QString textOfReport(const std::function<void()>& show) {
    QString text;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            text = box->text();
            box->accept();
        }
    });
    answer.start();
    show();
    return text;
}

TEST(Lock, NamesFromOutsideAreShownAsWrittenNeverAsMarkup) {
    const std::string markup = "<h1>far</h1><img src=\"/dev/zero\"><table width=3000>";
    EXPECT_TRUE(textOfReport([&] {
                    reportLockOfOtherMachine("zupel.lock", markup);
                }).contains(QString::fromStdString(markup)));
    EXPECT_TRUE(textOfReport([&] {
                    reportLockFailure("<b>zupel.lock</b>", markup);
                }).contains(QString::fromStdString(markup)));
    const SaveFileError error("<i>data.sura</i>", "read", markup);
    EXPECT_TRUE(textOfReport([&] {
                    reportSaveFileFailure(error);
                }).contains(QString::fromStdString(markup)));
}

}  // namespace
}  // namespace zupel::testing
