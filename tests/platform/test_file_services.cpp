#include "file_helpers.h"
#include "platform/file_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// Sets an environment variable for one test and puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ScopedEnvironment(const char* name) // unsets it
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qunsetenv(name);
    }
    ~ScopedEnvironment() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};
} // namespace

class TestFileServices : public QObject {
    Q_OBJECT
private slots:
    // "<tmp>" stands for a temporary folder of the test's own, "<account>" for the home folder
    // that the system's user database gives the account the test runs under.
    void userConfigFolder_data() {
        QTest::addColumn<QByteArray>("xdgConfigHome"); // null: unset
        QTest::addColumn<QByteArray>("home");          // null: unset
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_CONFIG_HOME")
            << QByteArray("<tmp>/config") << QByteArray("<tmp>/home") << "<tmp>/config";
        QTest::newRow("no XDG_CONFIG_HOME: .config in the home folder")
            << QByteArray() << QByteArray("<tmp>/home") << "<tmp>/home/.config";
        QTest::newRow("an empty XDG_CONFIG_HOME counts as none")
            << QByteArray("") << QByteArray("<tmp>/home") << "<tmp>/home/.config";
        QTest::newRow("a relative XDG_CONFIG_HOME is ignored")
            << QByteArray("config") << QByteArray("<tmp>/home") << "<tmp>/home/.config";
        QTest::newRow("no HOME: the account's home folder")
            << QByteArray() << QByteArray() << "<account>/.config";
        QTest::newRow("an empty HOME: the account's home folder")
            << QByteArray() << QByteArray("") << "<account>/.config";
        QTest::newRow("no HOME, but XDG_CONFIG_HOME")
            << QByteArray("<tmp>/config") << QByteArray() << "<tmp>/config";
    }
    void userConfigFolder() {
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, folder);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const passwd* account = ::getpwuid(::getuid());
        if (folder.startsWith("<account>") && (!account || !account->pw_dir))
            QSKIP("the account the test runs under has no home folder in the user database");
        const auto filled = [&](QByteArray text) {
            return text.replace("<tmp>", tmp.path().toUtf8());
        };
        const ScopedEnvironment xdg =
            xdgConfigHome.isNull() ? ScopedEnvironment("XDG_CONFIG_HOME")
                                   : ScopedEnvironment("XDG_CONFIG_HOME", filled(xdgConfigHome));
        const ScopedEnvironment homeVariable =
            home.isNull() ? ScopedEnvironment("HOME") : ScopedEnvironment("HOME", filled(home));
        folder.replace("<tmp>", tmp.path());
        if (account)
            folder.replace("<account>", QFile::decodeName(account->pw_dir));
        QCOMPARE(UserConfigFolder(), folder);
    }

    // Files the user saves go to the documents folder where it exists, else home; a home of the
    // test's own, so the machine's folders play no part.
    void documentsFolder_data() {
        QTest::addColumn<bool>("documentsExists");
        QTest::addColumn<QString>("folder");
        QTest::newRow("the documents folder") << true << QStringLiteral("<home>/Documents");
        QTest::newRow("no documents folder: home") << false << QStringLiteral("<home>");
    }
    void documentsFolder() {
        QFETCH(bool, documentsExists);
        QFETCH(QString, folder);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const ScopedEnvironment homeVariable("HOME", home.path().toUtf8());
        const ScopedEnvironment xdg("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
        if (documentsExists)
            QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Documents")));
        QCOMPARE(DocumentsFolder(), folder.replace(QStringLiteral("<home>"), home.path()));
    }

    void directoryExists_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("a directory") << "folder" << true;
        QTest::newRow("a link to a directory") << "link-to-folder" << true;
        QTest::newRow("a plain file") << "file" << false;
        QTest::newRow("a link to a plain file") << "link-to-file" << false;
        QTest::newRow("a dangling link") << "dangling" << false;
        QTest::newRow("nothing") << "missing" << false;
    }
    void directoryExists() {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        QVERIFY(QDir(base.path()).mkdir("folder"));
        WritePlainFile(base.filePath("file"), "x");
        QVERIFY(QFile::link(base.filePath("folder"), base.filePath("link-to-folder")));
        QVERIFY(QFile::link(base.filePath("file"), base.filePath("link-to-file")));
        QVERIFY(QFile::link(base.filePath("gone"), base.filePath("dangling")));
        QCOMPARE(DirectoryExists(base.filePath(name)), exists);
    }

    void createsDirectories_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("created");
        QTest::newRow("new, with new parents") << "a/b/c" << true;
        QTest::newRow("already there") << "folder" << true;
        QTest::newRow("inside an existing folder") << "folder/new" << true;
        QTest::newRow("a plain file in its place") << "file" << false;
        QTest::newRow("a plain file in a parent's place") << "file/sub/dir" << false;
    }
    void createsDirectories() {
        QFETCH(QString, name);
        QFETCH(bool, created);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        QVERIFY(QDir(base.path()).mkdir("folder"));
        WritePlainFile(base.filePath("file"), "keep");
        // Failing is expected here and handled by the caller: nothing may be printed.
        QTest::failOnWarning(QRegularExpression(".*"));
        QCOMPARE(CreateDirectoryWithParents(base.filePath(name)), created);
        QCOMPARE(QFileInfo(base.filePath(name)).isDir(), created);
        QCOMPARE(ReadBack(base.filePath("file")), QByteArray("keep"));
    }

    // Only regular files are read, and none larger than any file the program reads could be:
    // a FIFO would keep start-up waiting for a writer, and a device could be read without end.
    void readsOnlyRegularFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray mixed("[C]\r\n\xFF\0A=1", 10);
        QTest::newRow("CR, NUL and invalid UTF-8 kept") << "file" << ReadFailure::None << mixed;
        QTest::newRow("an empty file is there, empty")
            << "empty" << ReadFailure::None << QByteArray("");
        QTest::newRow("a link to a file") << "link-to-file" << ReadFailure::None << mixed;
        QTest::newRow("exactly the largest size")
            << "largest" << ReadFailure::None << QByteArray(kLargestReadableFile, '\0');
        QTest::newRow("one byte over the largest size")
            << "too-large" << ReadFailure::TooLarge << QByteArray();
        QTest::newRow("missing") << "missing" << ReadFailure::Missing << QByteArray();
        QTest::newRow("in a folder that is missing")
            << "missing/file" << ReadFailure::Missing << QByteArray();
        QTest::newRow("a dangling link") << "dangling" << ReadFailure::Missing << QByteArray();
        QTest::newRow("a directory") << "folder" << ReadFailure::NotRegularFile << QByteArray();
        QTest::newRow("a FIFO") << "fifo" << ReadFailure::NotRegularFile << QByteArray();
        QTest::newRow("a link to a FIFO")
            << "link-to-fifo" << ReadFailure::NotRegularFile << QByteArray();
        QTest::newRow("a link to /dev/zero")
            << "link-to-zero" << ReadFailure::NotRegularFile << QByteArray();
        QTest::newRow("a link that leads round to itself")
            << "loop" << ReadFailure::SystemError << QByteArray();
    }
    void readsOnlyRegularFiles() {
        QFETCH(QString, name);
        QFETCH(ReadFailure, failure);
        QFETCH(QByteArray, bytes);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        WritePlainFile(base.filePath("file"), QByteArray("[C]\r\n\xFF\0A=1", 10));
        WritePlainFile(base.filePath("empty"), QByteArray());
        QVERIFY(QFile::link(base.filePath("file"), base.filePath("link-to-file")));
        // Sparse: they take no room on the disk.
        WritePlainFile(base.filePath("largest"), QByteArray());
        QVERIFY(QFile::resize(base.filePath("largest"), kLargestReadableFile));
        WritePlainFile(base.filePath("too-large"), QByteArray());
        QVERIFY(QFile::resize(base.filePath("too-large"), kLargestReadableFile + 1));
        QVERIFY(QDir(base.path()).mkdir("folder"));
        QCOMPARE(::mkfifo(QFile::encodeName(base.filePath("fifo")).constData(), 0600), 0);
        QVERIFY(QFile::link(base.filePath("fifo"), base.filePath("link-to-fifo")));
        QVERIFY(QFile::link("/dev/zero", base.filePath("link-to-zero")));
        QVERIFY(QFile::link(base.filePath("nothing"), base.filePath("dangling")));
        QVERIFY(QFile::link(base.filePath("loop"), base.filePath("loop")));

        const FileContent content = ReadFile(base.filePath(name));
        QCOMPARE(content.failure, failure);
        QVERIFY(content.bytes == bytes);
        QCOMPARE(ReadFileBytes(base.filePath(name)).has_value(), failure == ReadFailure::None);
    }
};

QTEST_GUILESS_MAIN(TestFileServices)
#include "test_file_services.moc"
