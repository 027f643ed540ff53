// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The version record: the program reports 1.00, and every install file that names a version
// names the same one.

#include "app/program_run.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestVersion : public QObject {
    Q_OBJECT

    // The first capture of pattern in the file made by the build, or an empty string.
    static QString findIn(const QString& path, const QString& pattern)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const auto match = QRegularExpression(pattern, QRegularExpression::MultilineOption)
                               .match(QString::fromUtf8(file.readAll()));
        return match.hasMatch() ? match.captured(1) : QString();
    }

private Q_SLOTS:
    void versionIsOneHundredth_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("version");

        setProgramIdentity();
        const QString reported = QCoreApplication::applicationVersion();
        const QString metainfo = QStringLiteral(PLACEVALUE_METAINFO);
        const QString cpack = QStringLiteral(PLACEVALUE_CPACK_CONFIG);
        const QString rc = QStringLiteral(PLACEVALUE_WINDOWS_RC);

        QTest::newRow("application version") << QString() << QString() << reported;
        QTest::newRow("AppStream release")
            << metainfo << u"<release version=\"([^\"]*)\""_s << QString();
        QTest::newRow("package version")
            << cpack << u"^set\\(CPACK_PACKAGE_VERSION \"([^\"]*)\"\\)"_s << QString();
        QTest::newRow("Debian package version")
            << cpack << u"^set\\(CPACK_DEBIAN_PACKAGE_VERSION \"([^\"]*)\"\\)"_s << QString();
        QTest::newRow("Windows file version")
            << rc << u"VALUE \"FileVersion\", *\"([^\"]*)\""_s << QString();
        QTest::newRow("Windows product version")
            << rc << u"VALUE \"ProductVersion\", *\"([^\"]*)\""_s << QString();
    }
    void versionIsOneHundredth()
    {
        QFETCH(QString, path);
        QFETCH(QString, pattern);
        QFETCH(QString, version);
        if (!path.isEmpty()) {
            QVERIFY2(QFile::exists(path), qPrintable(path));
            version = findIn(path, pattern);
        }
        QCOMPARE(version, u"1.00"_s);
    }

    // The name and the version the program gives itself.
    void identityNamesTheProgram()
    {
        setProgramIdentity();
        QCOMPARE(QCoreApplication::applicationName(), u"placevalue"_s);
        QCOMPARE(QCoreApplication::applicationVersion(), u"1.00"_s);
    }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "test_version.moc"
