#include "platform/smtpmailsystem.h"

#include "engine/eventfile.h"
#include "engine/recurrence.h"
#include "engine/scheduler.h"
#include "engine/usenglishtext.h"
#include "platform/messagedialog.h"
#include "platform/profilefile.h"
#include "support/fakehost.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalvor;
using namespace kalvor::platform;

namespace {

constexpr const char* kContacts =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Carol Jones\r\nEMAIL;TYPE=work:carol@example.com\r\n"
    "END:VCARD\r\nBEGIN:VCARD\r\nFN:Sam\r\nEMAIL:sam.one@example.com\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nFN:Sam\r\nEMAIL:sam.two@example.com\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nFN:Dave\r\n  Long\r\nEMAIL:dave@example.com\r\nEND:VCARD\r\n";

// A real SMTP server on loopback (aiosmtpd) that keeps what it receives in a Maildir.
class SmtpServer {
public:
    explicit SmtpServer(const QString& maildir) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
        probe.close();
        server_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"),
                       QStringLiteral("127.0.0.1:%1").arg(port_), QStringLiteral("-c"),
                       QStringLiteral("aiosmtpd.handlers.Mailbox"), maildir});
        for (int i = 0; i < 100; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port_);
            if (socket.waitForConnected(100))
                return;
            QThread::msleep(100);
        }
        ADD_FAILURE() << "aiosmtpd did not start: " << server_.readAllStandardError().toStdString();
    }
    ~SmtpServer() {
        server_.kill();
        server_.waitForFinished();
    }
    quint16 port() const { return port_; }

private:
    QProcess server_;
    quint16 port_ = 0;
};

class MailTest : public ::testing::Test {
protected:
    MailTest() {
        MessageDialog::setTestMode(true);
        QFile contacts(path("contacts.vcf"));
        contacts.open(QIODevice::WriteOnly);
        contacts.write(kContacts);
    }
    QString path(const char* name) const { return QString::fromStdString((dir.path() / name).string()); }
    void writeProfile(quint16 port) const {
        const ProfileFile profile(path("mail.ini"));
        for (const auto& [key, value] : {std::pair{"Server", QStringLiteral("127.0.0.1")},
                                         {"Port", QString::number(port)},
                                         {"Security", QStringLiteral("none")},
                                         {"From", QStringLiteral("kalvor@example.org")}})
            profile.writeString(QStringLiteral("Mail"), QLatin1String(key), value);
    }
    SmtpMailSystem mailSystem() const { return SmtpMailSystem(path("mail.ini"), path("contacts.vcf")); }

    // Fires one mail event through the scheduler, as at its due time.
    void fireMail(MailSystem& mail, const std::string& recipients) {
        EventFile file(dir.path());
        eventrec r;
        assignText(r.desc, "Report");
        assignText(r.txt, "  line 1\r\nline 2\r\nline 3  ");
        assignText(r.extra, recipients);
        r.rep = Days;
        r.occ = 1;
        r.action = SendMail;
        r.when = *civilToOle({{2026, 3, 4}, 10, 0, 0});
        file.write(1, r);
        clock.time = civilToSeconds({{2026, 3, 4}, 10, 0, 30});
        host.status = "Next Event: (earlier)";
        Scheduler(file, clock, host, messages, starter, mail, locale).nextmsg();
        EXPECT_EQ(oleToCivil(file.read(1).when), (CivilDateTime{{2026, 3, 5}, 10, 0, 0}));
    }

    TempDir dir;
    FakeClock clock;
    FakeHost host;
    RecordingMessages messages;
    FakeStarter starter;
    UsEnglishText locale;
};

} // namespace

TEST_F(MailTest, AFiredMailArrivesWithItsRecipientsSubjectAndLines) {
    SmtpServer server(path("maildir"));
    writeProfile(server.port());
    SmtpMailSystem mail = mailSystem();
    fireMail(mail, "a@example.com;Bob Smith <bob@example.com>;carol jones");
    ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text;

    const QStringList arrived = QDir(path("maildir") + QStringLiteral("/new")).entryList(QDir::Files);
    ASSERT_EQ(arrived.size(), 1);
    QFile file(path("maildir") + QStringLiteral("/new/") + arrived.first());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nSubject: Kalvor Automatic Mailing!\n"))) << text.toStdString();
    EXPECT_TRUE(text.startsWith(QStringLiteral("From: kalvor@example.org\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(
        QStringLiteral("\nTo: a@example.com, Bob Smith <bob@example.com>, carol jones <carol@example.com>\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nX-RcptTo: a@example.com, bob@example.com, carol@example.com\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nMessage-ID: <")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nDate: ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n\nline 1\nline 2\nline 3\n"))) << text.toStdString();
}

TEST_F(MailTest, TheMessageGoesOutWithCrLfLineBreaks) {
    writeProfile(25);
    SmtpMailSystem mail = mailSystem();
    mail.signOn();
    mail.setSubject("s");
    mail.setBody("one\ntwo\r\nthree");
    const QByteArray message = mail.message({QStringLiteral("x@example.com")});
    EXPECT_TRUE(message.endsWith("\r\n\r\none\r\ntwo\r\nthree\r\n")) << message.toStdString();
    EXPECT_FALSE(message.contains("\n\n"));
}

TEST_F(MailTest, AServerThatIsDownIsReportedAndTheEventMovesOn) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 unused = probe.serverPort();
    probe.close();
    writeProfile(unused);
    SmtpMailSystem mail = mailSystem();
    fireMail(mail, "a@example.com");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Kalvor Error!");
    EXPECT_NE(messages.shown[0].text.find("did not take the message"), std::string::npos) << messages.shown[0].text;
}

TEST_F(MailTest, NamesResolveAsAddressesOrSingleContacts) {
    const QList<Contact> contacts = loadAddressBook(path("contacts.vcf"));
    ASSERT_EQ(contacts.size(), 4);
    EXPECT_EQ(contacts[3].name, QStringLiteral("Dave Long"));
    const std::pair<const char*, const char*> cases[] = {
        {"Carol Jones", "carol@example.com"},
        {"carol jones", "carol@example.com"},
        {"x@example.org", "x@example.org"},
        {"Bob <bob@example.com>", "bob@example.com"},
        {"Sam", ""},
        {"Nobody", ""},
        {"bad@", ""},
        {"", ""},
    };
    for (const auto& [name, address] : cases) {
        QString reason;
        EXPECT_EQ(resolveAddress(QLatin1String(name), contacts, &reason), QLatin1String(address)) << name;
        EXPECT_EQ(reason.isEmpty(), *address != '\0') << name << ": " << reason.toStdString();
    }
    QString reason;
    resolveAddress(QStringLiteral("Sam"), contacts, &reason);
    EXPECT_TRUE(reason.startsWith(QStringLiteral("2 contacts"))) << reason.toStdString();
}

TEST_F(MailTest, SigningOnWithoutSettingsAsksAndCancelFails) {
    SmtpMailSystem mail = mailSystem();
    QTimer::singleShot(0, [] {
        QWidget* logon = QApplication::activeModalWidget();
        ASSERT_NE(logon, nullptr);
        logon->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_THROW(mail.signOn(), MailError);
    EXPECT_FALSE(QFile::exists(path("mail.ini")));

    QTimer::singleShot(0, [] {
        QWidget* logon = QApplication::activeModalWidget();
        ASSERT_NE(logon, nullptr);
        logon->findChild<QLineEdit*>(QStringLiteral("server"))->setText(QStringLiteral("mail.example.org"));
        logon->findChild<QLineEdit*>(QStringLiteral("from"))->setText(QStringLiteral("me@example.org"));
        logon->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok)->click();
    });
    mail.signOn();
    mail.signOff();
    const ProfileFile profile(path("mail.ini"));
    EXPECT_EQ(profile.readString(QStringLiteral("Mail"), QStringLiteral("Server")), QStringLiteral("mail.example.org"));
    EXPECT_EQ(QFile::permissions(path("mail.ini")) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
}
