#include "shell/DdeOpenRequest.h"
#include "shell/DdeServiceName.h"
#include "shell/InstanceMessage.h"
#include "shell/InstanceMessageReader.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTest>
#include <QtEndian>

namespace {
using Type = InstanceMessage::Type;
using Fault = InstanceMessageReader::Fault;

QByteArray encoded(Type type, const QString &text)
{
    return *InstanceMessage{type, text}.encode();
}

// A header as any peer might send it.
QByteArray header(const char *magic, quint16 version, quint16 type, quint32 length)
{
    QByteArray bytes(12, '\0');
    memcpy(bytes.data(), magic, 4);
    qToBigEndian(version, bytes.data() + 4);
    qToBigEndian(type, bytes.data() + 6);
    qToBigEndian(length, bytes.data() + 8);
    return bytes;
}
}

// The messages between instances: framing, reassembly and refusal of anything malformed; and
// the shell's open request they carry.
class InstanceMessageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void messagesComeThroughWhole()
    {
        InstanceMessageReader reader;
        reader.feed(encoded(Type::SendAddress, QStringLiteral("http://h\u00e9/\u20ac")));
        reader.feed(encoded(Type::ShowInstance, QString()));
        const std::optional<InstanceMessage> first = reader.next();
        QVERIFY(first);
        QCOMPARE(first->type, Type::SendAddress);
        QCOMPARE(first->text, QStringLiteral("http://h\u00e9/\u20ac"));
        const std::optional<InstanceMessage> second = reader.next();
        QVERIFY(second);
        QCOMPARE(second->type, Type::ShowInstance);
        QVERIFY(second->text.isEmpty());
        QVERIFY(!reader.next());
        QVERIFY(!reader.failed());
    }

    void messagesArrivingInPiecesAreReassembled()
    {
        const QByteArray bytes = encoded(Type::OpenRequest, QStringLiteral("svc\nWWW_OpenURL\nhttp://a/"));
        InstanceMessageReader reader;
        for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
            reader.feed(bytes.mid(i, 1));
            QVERIFY(!reader.next());
        }
        reader.feed(bytes.right(1));
        const std::optional<InstanceMessage> message = reader.next();
        QVERIFY(message);
        QCOMPARE(message->text, QStringLiteral("svc\nWWW_OpenURL\nhttp://a/"));
    }

    void malformedInputIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fault");
        const quint16 v = InstanceMessage::Version;
        QTest::newRow("wrong magic, first byte") << QByteArray("X") << int(Fault::BadMagic);
        QTest::newRow("an HTTP request") << QByteArray("GET / HTTP/1.1\r\n") << int(Fault::BadMagic);
        QTest::newRow("unknown version") << header("KBIM", v + 1, 1, 0) << int(Fault::BadVersion);
        QTest::newRow("version zero") << header("KBIM", 0, 1, 0).left(6) << int(Fault::BadVersion);
        QTest::newRow("unknown type") << header("KBIM", v, 99, 0) << int(Fault::BadType);
        QTest::newRow("type zero") << header("KBIM", v, 0, 0) << int(Fault::BadType);
        // Refused on the header alone, before any payload is held.
        QTest::newRow("oversized") << header("KBIM", v, 1, 64 * 1024) << int(Fault::TooLarge);
        QTest::newRow("length at the limit of 32 bits") << header("KBIM", v, 1, 0xFFFFFFFFu) << int(Fault::TooLarge);
        QTest::newRow("not UTF-8") << header("KBIM", v, 1, 2) + QByteArray("\xff\xfe") << int(Fault::BadText);
        QTest::newRow("cut UTF-8") << header("KBIM", v, 1, 2) + QByteArray("a\xc3") << int(Fault::BadText);
        QTest::newRow("NUL in the address") << header("KBIM", v, 1, 3) + QByteArray("a\0b", 3) << int(Fault::BadText);
    }

    void malformedInputIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fault);
        InstanceMessageReader reader;
        reader.feed(bytes);
        QVERIFY(!reader.next());
        QCOMPARE(int(reader.fault()), fault);
        // Nothing more is read from a peer that sent something malformed.
        reader.feed(encoded(Type::ShowInstance, QString()));
        QVERIFY(!reader.next());
    }

    void theSizeLimitHolds()
    {
        const qsizetype room = InstanceMessage::MaxSize - InstanceMessage::HeaderSize;
        const InstanceMessage longest{Type::SendAddress, QString(room, QLatin1Char('a'))};
        const std::optional<QByteArray> largest = longest.encode();
        QVERIFY(largest);
        QCOMPARE(largest->size(), InstanceMessage::MaxSize);
        InstanceMessageReader reader;
        reader.feed(*largest);
        QVERIFY(reader.next());
        const InstanceMessage tooLong{Type::SendAddress, QString(room + 1, QLatin1Char('a'))};
        QVERIFY(!tooLong.encode());
        // Characters beyond ASCII count by their UTF-8 bytes.
        const InstanceMessage tooManyBytes{Type::SendAddress, QString(room / 2 + 1, QChar(0x00e9))};
        QVERIFY(!tooManyBytes.encode());
    }

    void openRequestText()
    {
        const DdeOpenRequest request{QStringLiteral("kestrel-browser"), DdeOpenRequest::Topic,
                                     {QStringLiteral("http://a/"), QStringLiteral("x")}};
        const std::optional<DdeOpenRequest> back = DdeOpenRequest::fromText(request.toText());
        QVERIFY(back);
        QCOMPARE(back->service, request.service);
        QCOMPARE(back->topic, QStringLiteral("WWW_OpenURL"));
        QCOMPARE(back->lines, request.lines);
        QVERIFY(!DdeOpenRequest::fromText(QStringLiteral("service only")));
        QCOMPARE(DdeOpenRequest::requestText(request.lines), QStringLiteral("http://a/\r\nx\r\n"));
        QCOMPARE(DdeOpenRequest::requestText({}), QString());
    }

    void serviceNameIsTheFileNameBeforeItsFirstDot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("service");
        QTest::newRow("a.b.exe") << QStringLiteral("a.b.exe") << QStringLiteral("a");
        QTest::newRow("browser.exe") << QStringLiteral("C:/Programs/browser.exe") << QStringLiteral("browser");
        QTest::newRow("no dot") << QStringLiteral("/usr/bin/kestrel-browser") << QStringLiteral("kestrel-browser");
        QTest::newRow("dots in the folder") << QStringLiteral("/opt/v1.2/kb") << QStringLiteral("kb");
        QTest::newRow("leading dot") << QStringLiteral("/tmp/.hidden") << QString();
    }

    void serviceNameIsTheFileNameBeforeItsFirstDot()
    {
        QFETCH(QString, path);
        QFETCH(QString, service);
        QCOMPARE(ddeServiceName(path), service);
    }
};

KESTREL_TEST(InstanceMessageTest)
#include "InstanceMessageTest.moc"
