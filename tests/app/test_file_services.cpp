#include "app/platform/file_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace dutyloop;

namespace {
void WritePlainFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBack(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll();
}

// A file name that just fits the system's limit of 255 bytes, so that the temporary file's
// longer name beside it cannot be made: the file exists, and writing it fails.
const QString kLongName(250, u'n');

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
    void joinsPaths_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("joined");
        QTest::newRow("one '/' between") << "/base"
                                         << "Dutyloop"
                                         << "/base/Dutyloop";
        QTest::newRow("first already ends with '/'") << "/base/"
                                                     << "Dutyloop"
                                                     << "/base/Dutyloop";
        QTest::newRow("the root folder") << "/"
                                         << "etc"
                                         << "/etc";
        QTest::newRow("relative paths") << "a/b"
                                        << "c/d"
                                        << "a/b/c/d";
        QTest::newRow("empty first gives second") << ""
                                                  << "dlTornvale.ini"
                                                  << "dlTornvale.ini";
        QTest::newRow("rooted second replaces first") << "/base"
                                                      << "/other/x"
                                                      << "/other/x";
    }
    void joinsPaths() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, joined);
        QCOMPARE(JoinPath(first, second), joined);
    }

    void userConfigFolderFollowsXdgConfigHome() {
        QTemporaryDir config;
        QVERIFY(config.isValid());
        const ScopedEnvironment xdg("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(UserConfigFolder(), config.path());
    }

    void userConfigFolderDefaultsToDotConfig() {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const ScopedEnvironment xdg("XDG_CONFIG_HOME");
        const ScopedEnvironment homeVariable("HOME", home.path().toUtf8());
        QCOMPARE(UserConfigFolder(), home.path() + "/.config");
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

    void readsFiles() {
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QByteArray bytes("[C]\r\n\xFF\0A=1", 10);
        WritePlainFile(base.filePath("file"), bytes);
        WritePlainFile(base.filePath("empty"), QByteArray());
        QCOMPARE(ReadFileBytes(base.filePath("file")).value_or("<missing>"), bytes);
        const std::optional<QByteArray> empty = ReadFileBytes(base.filePath("empty"));
        QVERIFY(empty.has_value());
        QVERIFY(empty->isEmpty());
        QVERIFY(!ReadFileBytes(base.filePath("missing")).has_value());
        QVERIFY(!ReadFileBytes(base.path()).has_value());
    }

    void writesFiles_data() {
        QTest::addColumn<bool>("existing");
        QTest::newRow("a new file") << false;
        QTest::newRow("over an existing longer file") << true;
    }
    void writesFiles() {
        QFETCH(bool, existing);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString path = base.filePath("dlTornvale.ini");
        if (existing) {
            WritePlainFile(path, QByteArray(5000, 'o'));
        }
        const QByteArray bytes("[Config]\nWorkAssign=\xC3\xA9\0\n", 24);
        QVERIFY(WriteFileAtomically(path, bytes));
        QCOMPARE(ReadBack(path), bytes);
        QCOMPARE(
            QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"dlTornvale.ini"});
    }

    // Tests run as root, whom permissions do not stop, so the writes fail by what stands at
    // or around the path instead.
    void failedWritesChangeNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("untouched"); // the plain file that must keep its bytes
        QTest::newRow("over an existing file, no room for the temporary name")
            << kLongName << kLongName;
        QTest::newRow("inside a plain file") << "file/dlTornvale.ini"
                                             << "file";
        QTest::newRow("over a directory") << "folder"
                                          << "folder/inner";
    }
    void failedWritesChangeNothing() {
        QFETCH(QString, target);
        QFETCH(QString, untouched);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        QVERIFY(QDir(base.path()).mkdir("folder"));
        WritePlainFile(base.filePath("folder/inner"), "old\n");
        WritePlainFile(base.filePath("file"), "old\n");
        WritePlainFile(base.filePath(kLongName), "old\n");
        const QStringList before =
            QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        QVERIFY(!WriteFileAtomically(base.filePath(target), "new\n"));
        QCOMPARE(ReadBack(base.filePath(untouched)), QByteArray("old\n"));
        // No temporary file is left behind either.
        QCOMPARE(
            QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            before);
        QVERIFY(QFileInfo(base.filePath("folder")).isDir());
    }
};

QTEST_GUILESS_MAIN(TestFileServices)
#include "test_file_services.moc"
