// The one way the program writes a file: the whole file in one step or not at all.

#include "file_helpers.h"
#include "platform/file_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dutyloop;
using namespace dutyloop::testing;

Q_DECLARE_METATYPE(dutyloop::SymbolicLinks)

namespace {

// What stands at the path itself, a link not followed: the file type bits, or -1 for nothing.
int KindAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0
               ? static_cast<int>(info.st_mode & S_IFMT)
               : -1;
}

struct stat StatOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        qFatal("cannot stat %s", qPrintable(path));
    return info;
}

// A file name that just fits the system's limit of 255 bytes, so that the temporary file's
// longer name beside it cannot be made: the file exists, and writing it fails.
const QString kLongName(250, u'n');

// Acts as the account "nobody" while it lives where the test runs as the super-user, whom no
// permission stops; an account of its own already meets them.
class Unprivileged {
public:
    Unprivileged() {
        if (::geteuid() != 0)
            return;
        m_dropped = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
        m_failed = !m_dropped;
    }
    ~Unprivileged() {
        if (m_dropped && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot become the super-user again");
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;
    bool failed() const { return m_failed; }

private:
    static constexpr uid_t kNobody = 65534;
    bool m_dropped = false;
    bool m_failed = false;
};

// What the system says to a new file in `folder`, as the test itself meets it; empty where the
// file can be made.
QString SystemReasonForNewFileIn(const QString& folder) {
    const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.dutyloop-probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    ::unlink(probe.constData());
    return {};
}

} // namespace

class TestAtomicWrite : public QObject {
    Q_OBJECT
private slots:
    void writesFiles_data() {
        // What stands at the path before: "", "file", or a link to "file", "nothing", "folder".
        QTest::addColumn<QString>("old");
        QTest::addColumn<SymbolicLinks>("links");
        using enum SymbolicLinks;
        QTest::newRow("a new file") << "" << Follow;
        QTest::newRow("over an existing longer file") << "file" << Follow;
        QTest::newRow("through a link: the link stays, its file takes the bytes")
            << "link to file" << Follow;
        QTest::newRow("a new file, links replaced") << "" << Replace;
        QTest::newRow("over an existing longer file, links replaced") << "file" << Replace;
        QTest::newRow("over a link: the link gives way, its file untouched")
            << "link to file" << Replace;
        QTest::newRow("over a link to nothing: nothing made where it leads")
            << "link to nothing" << Replace;
        QTest::newRow("over a link to a folder: the folder untouched")
            << "link to folder" << Replace;
    }
    void writesFiles() {
        QFETCH(QString, old);
        QFETCH(SymbolicLinks, links);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString path = base.filePath("dlTornvale.ini");
        const QString elsewhere = base.filePath("kept-elsewhere");
        if (old == "file" || old == "link to file")
            WritePlainFile(old == "file" ? path : elsewhere, QByteArray(5000, 'o'));
        if (old == "link to folder")
            QVERIFY(QDir(base.path()).mkdir("kept-elsewhere"));
        if (old.startsWith("link"))
            QVERIFY(QFile::link(elsewhere, path));
        const QStringList before =
            old.isEmpty() ? QStringList{"dlTornvale.ini"} : Entries(base.path());
        const QByteArray bytes("[Config]\nWorkAssign=\xC3\xA9\0\n", 24);
        QVERIFY(WriteFileAtomically(path, bytes, {}, links));
        QCOMPARE(Entries(base.path()), before);
        const bool followed = links == SymbolicLinks::Follow && old.startsWith("link");
        QCOMPARE(ReadBack(followed ? elsewhere : path), bytes);
        QCOMPARE(QFileInfo(path).isSymLink(), followed);
        if (old == "link to file" && !followed)
            QCOMPARE(ReadBack(elsewhere), QByteArray(5000, 'o'));
        if (old == "link to folder")
            QCOMPARE(Entries(elsewhere), QStringList());
        QCOMPARE(KindAt(elsewhere), old == "link to nothing" || !old.startsWith("link") ? -1
                                    : old == "link to folder" ? int(S_IFDIR)
                                                              : int(S_IFREG));
    }

    // The new file takes the old one's place with its mode, set-ID bits included, and its owner.
    // Only the super-user may give a file away; others keep their own files.
    void keepsModeAndOwner_data() {
        QTest::addColumn<uint>("mode");
        QTest::newRow("read and write for the owner, read for others") << 0604u;
        QTest::newRow("read and write for the owner, read for the group") << 0640u;
        QTest::newRow("set-group-ID and executable") << 02750u;
    }
    void keepsModeAndOwner() {
        QFETCH(uint, mode);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString path = base.filePath("dlTornvale.ini");
        WritePlainFile(path, "old\n");
        const QByteArray name = QFile::encodeName(path);
        if (::geteuid() == 0)
            QCOMPARE(::chown(name.constData(), 4321, 8765), 0);
        QCOMPARE(::chmod(name.constData(), mode), 0);
        const struct stat before = StatOf(path);

        QVERIFY(WriteFileAtomically(path, "new\n"));
        const struct stat after = StatOf(path);
        QCOMPARE(ReadBack(path), QByteArray("new\n"));
        QCOMPARE(after.st_mode & 07777, mode);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QVERIFY(after.st_ino != before.st_ino); // replaced, not written over
    }

    // Tests run as root, whom permissions do not stop, so the writes fail by what stands at
    // or around the path instead.
    void failedWritesChangeNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("untouched"); // the plain file that must keep its bytes
        QTest::addColumn<SymbolicLinks>("links");
        using enum SymbolicLinks;
        QTest::newRow("over an existing file, no room for the temporary name")
            << kLongName << kLongName << Follow;
        QTest::newRow("inside a plain file") << "file/dlTornvale.ini"
                                             << "file" << Follow;
        QTest::newRow("over a directory") << "folder"
                                          << "folder/inner" << Follow;
        QTest::newRow("over a FIFO") << "fifo"
                                     << "file" << Follow;
        QTest::newRow("over a link to a FIFO") << "link-to-fifo"
                                               << "file" << Follow;
        QTest::newRow("over a link to itself") << "loop"
                                               << "file" << Follow;
        QTest::newRow("links replaced: no room for the temporary name")
            << kLongName << kLongName << Replace;
        QTest::newRow("links replaced: inside a plain file") << "file/dlTornvale.ini"
                                                             << "file" << Replace;
        QTest::newRow("links replaced: over a directory") << "folder"
                                                          << "folder/inner" << Replace;
        QTest::newRow("links replaced: over a FIFO") << "fifo"
                                                     << "file" << Replace;
    }
    void failedWritesChangeNothing() {
        QFETCH(QString, target);
        QFETCH(QString, untouched);
        QFETCH(SymbolicLinks, links);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        QVERIFY(QDir(base.path()).mkdir("folder"));
        WritePlainFile(base.filePath("folder/inner"), "old\n");
        WritePlainFile(base.filePath("file"), "old\n");
        WritePlainFile(base.filePath(kLongName), "old\n");
        QCOMPARE(::mkfifo(QFile::encodeName(base.filePath("fifo")).constData(), 0600), 0);
        QVERIFY(QFile::link(base.filePath("fifo"), base.filePath("link-to-fifo")));
        QVERIFY(QFile::link(base.filePath("loop"), base.filePath("loop")));
        const QStringList before = Entries(base.path());
        const int kind = KindAt(base.filePath(target));

        QVERIFY(!WriteFileAtomically(base.filePath(target), "new\n", {}, links));
        QCOMPARE(ReadBack(base.filePath(untouched)), QByteArray("old\n"));
        // No temporary file is left behind either, and nothing was put in the target's place.
        QCOMPARE(Entries(base.path()), before);
        QCOMPARE(KindAt(base.filePath(target)), kind);
        QCOMPARE(KindAt(base.filePath("fifo")), static_cast<int>(S_IFIFO));
        QVERIFY(QFileInfo(base.filePath("folder")).isDir());
    }

    // Each failure says why, in the system's words where the system refused, whether links are
    // followed or replaced.
    void failedWritesSayWhy_data() {
        QTest::addColumn<QString>("target"); // below the test's folder, or absolute
        QTest::addColumn<int>("failing");    // a WriteStep made to fail, or -1
        QTest::addColumn<QString>("reason");
        QTest::newRow("a new file in a read-only folder")
            << "read-only/dlTornvale.ini" << -1 << "Permission denied";
        QTest::newRow("a read-only file") << "read-only.ini" << -1 << "Permission denied";
        QTest::newRow("a folder under the name") << "folder" << -1 << "it is not a file";
        QTest::newRow("a FIFO under the name") << "fifo" << -1 << "it is not a file";
        QTest::newRow("inside a plain file") << "file/dlTornvale.ini" << -1 << "Not a directory";
        QTest::newRow("under /proc")
            << "/proc/dutyloop.ini" << -1 << SystemReasonForNewFileIn("/proc");
        QTest::newRow("the temporary file cannot be made")
            << "file" << int(WriteStep::Open) << "Permission denied";
        QTest::newRow("the disk fills halfway through")
            << "file" << int(WriteStep::Write) << "No space left on device";
        QTest::newRow("the last of the buffer does not reach the disk")
            << "file" << int(WriteStep::Flush) << "Input/output error";
        QTest::newRow("the temporary file cannot take the file's place")
            << "file" << int(WriteStep::Commit) << "Operation not permitted";
    }
    void failedWritesSayWhy() {
        QFETCH(QString, target);
        QFETCH(int, failing);
        QFETCH(QString, reason);
        QVERIFY2(!reason.isEmpty(), "the system let the test make a file there");
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QByteArray folder = QFile::encodeName(base.path());
        QCOMPARE(::chmod(folder.constData(), 0755), 0);
        QVERIFY(QDir(base.path()).mkdir("folder"));
        QVERIFY(QDir(base.path()).mkdir("read-only"));
        QCOMPARE(::chmod(QFile::encodeName(base.filePath("read-only")).constData(), 0555), 0);
        WritePlainFile(base.filePath("file"), "old\n");
        WritePlainFile(base.filePath("read-only.ini"), "old\n");
        QCOMPARE(::chmod(QFile::encodeName(base.filePath("read-only.ini")).constData(), 0444), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(base.filePath("fifo")).constData(), 0600), 0);
        const QStringList before = Entries(base.path());
        const QString path = QDir::isAbsolutePath(target) ? target : base.filePath(target);
        const WriteFault fault = [failing](WriteStep step) { return int(step) == failing; };

        FileWrite write;
        FileWrite replaced;
        bool written = true;
        {
            // The permissions must count; the rest fails for the super-user too, and says so.
            std::optional<Unprivileged> unprivileged;
            if (target.startsWith("read-only"))
                unprivileged.emplace();
            if (unprivileged && unprivileged->failed())
                QSKIP("the test cannot act as an account without privileges");
            write = WriteFileAtomicallyWithReason(path, "new\n", fault);
            written = WriteFileAtomically(path, "new\n", fault);
            replaced = WriteFileAtomicallyWithReason(path, "new\n", fault, SymbolicLinks::Replace);
        }
        QVERIFY(!write.written);
        QVERIFY(!written);
        QCOMPARE(write.reason, reason);
        // The same words where a link would give way to the file.
        QVERIFY(!replaced.written);
        QCOMPARE(replaced.reason, reason);
        QCOMPARE(Entries(base.path()), before);
        QCOMPARE(ReadBack(base.filePath("file")), QByteArray("old\n"));
    }

    // A real write failure: a file-size limit of 8 KiB in a child process, with the file-size
    // signal at its default, which would end the process. The write of 12 KiB must fail and
    // say so, the process must live on, and the old file keep every byte.
    void aFileSizeLimitLosesNothing_data() {
        QTest::addColumn<QByteArray>("old"); // null: no file before
        QTest::newRow("a new file") << QByteArray();
        QTest::newRow("over an old file") << QByteArray("; kept\n[Config]\nWorkAssign=3 TWT\n");
    }
    void aFileSizeLimitLosesNothing() {
        QFETCH(QByteArray, old);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString path = base.filePath("dlTornvale.ini");
        if (!old.isNull())
            WritePlainFile(path, old);
        const QStringList before = Entries(base.path());
        const QByteArray bytes(12 * 1024, 'x');

        constexpr int kNoLimit = 77;
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_max < 8192)
                ::_exit(kNoLimit);
            limit.rlim_cur = 8192;
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(kNoLimit);
            ::_exit(WriteFileAtomically(path, bytes) ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(!WIFSIGNALED(status),
                 qPrintable(QStringLiteral("ended by signal %1").arg(WTERMSIG(status))));
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == kNoLimit)
            QSKIP("no file-size limit of 8 KiB can be set here (RLIMIT_FSIZE)");
        QVERIFY2(WEXITSTATUS(status) == 0, "the cut-off write was reported as success");
        QCOMPARE(Entries(base.path()), before);
        if (!old.isNull())
            QCOMPARE(ReadBack(path), old);
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_atomic_write.moc"
