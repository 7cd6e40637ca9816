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
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

#include "failure_report.h"
#include "raise_request.h"
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
        ASSERT_TRUE(!c.sparseSize || QFile(folder.filePath("zupel.lock")).resize(c.sparseSize));
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

    EXPECT_FALSE(gone.folderReadOnly || result.folderReadOnly);

    // A folder nobody may write in: read-only, or immutable for the superuser, who writes anywhere.
    QTemporaryDir readOnly;
    const QByteArray name = QFile::encodeName(readOnly.path());
    const bool root = ::geteuid() == 0;
    const auto seal = [&](bool on) {
        if (!root) return ::chmod(name.constData(), on ? 0555 : 0755) == 0;
        const std::string chattr = (on ? "chattr +i '" : "chattr -i '") + name.toStdString();
        return std::system((chattr + "' 2>/dev/null").c_str()) == 0;
    };
    if (!seal(true)) GTEST_SKIP() << "no folder can be made read-only here";
    SingleInstance refused(readOnly.path());
    const SingleInstance::Result denied = refused.acquire();
    EXPECT_TRUE(seal(false)) << "the folder stays read-only";
    EXPECT_EQ(denied.outcome, SingleInstance::Outcome::failed);
    EXPECT_EQ(denied.reason, root ? "Operation not permitted" : "Permission denied");
    EXPECT_TRUE(denied.folderReadOnly) << "the player is told to move the folder";
}

// A socket bound at `at` and closed without being taken away, as a copy that crashed leaves it.
bool leaveSocketAt(const QByteArray& at) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (at.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, at.constData(), at.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

TEST(Lock, WhatIsNoOrdinaryFileIsALockThatCannotBeMade) {
    const struct {
        const char* what;
        std::function<bool(const QByteArray&)> make;  // puts it in the lock's place
        std::string reason;
    } cases[] = {
        {"a FIFO", [](const QByteArray& at) { return ::mkfifo(at, 0644) == 0; },
         "Is a FIFO, not an ordinary file"},
        {"a socket", leaveSocketAt, "Is a socket, not an ordinary file"},
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

// A second start calls the running copy through the socket that copy made beside the save files,
// however long the folder's path; the copy takes that socket, and nothing else, away at the end.
TEST(Raise, ASecondStartReachesOnlyTheSocketTheRunningCopyMade) {
    const auto file = [](const QByteArray& at) { return QFile(at).open(QIODevice::WriteOnly); };
    const struct {
        const char* what;
        std::string folder;                             // under a fresh temporary folder
        std::function<bool(const QByteArray&)> before;  // puts something at the socket's place
        bool answers = true;
    } cases[] = {
        {"a path past a socket address's length", std::string(120, 'x') + "/\xff/saves",
         [](const QByteArray&) { return true; }},
        {"a socket a crashed copy left", "saves", leaveSocketAt},
        {"an ordinary file", "saves", file, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        const std::filesystem::path folder = root.path().toStdString() + "/" + c.folder;
        std::filesystem::create_directories(folder);
        const QByteArray socket = QByteArray::fromStdString((folder / "zupel.socket").string());
        ASSERT_TRUE(c.before(socket));
        int raised = 0;
        RaiseListener listener(folder, [&] { ++raised; });
        EXPECT_EQ(askRunningCopyToRaise(folder), c.answers);
        QTest::qWait(50);
        EXPECT_EQ(raised, c.answers ? 1 : 0);
        listener.close();
        struct stat left = {};
        EXPECT_EQ(::lstat(socket, &left) == 0, !c.answers) << "only the game's socket goes";
        EXPECT_FALSE(askRunningCopyToRaise(folder)) << "the ended copy is not called";
        std::filesystem::remove_all(root.path().toStdString());  // past what QTemporaryDir names
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
