// Quotations kept more than once: the folding rule, the groups found, and merging a group.
#include "database/duplicates.h"
#include "database/database.h"
#include "database/trash.h"
#include "support/fixture.h"

#include <QTest>

class TestDuplicates : public QObject {
    Q_OBJECT

private slots:
    void pairs_match_or_not_as_a_reader_would_judge() {
        struct Pair {
            const char* a;
            const char* b;
            bool same;
        };
        const Pair pairs[] = {
            // letter case, accents, punctuation, quotation-mark styles, dashes and blanks fold away
            {"To be, or not to be: that is the question", "To be or not to be, that is the question.", true},
            {"TO BE OR NOT TO BE", "to be or not to be", true},
            {"L'été est là.", "L’ETE EST LA", true},
            {"\"Stay hungry, stay foolish.\"", "“Stay hungry,   stay foolish”", true},
            {"« La vie est belle »", "‹La vie est belle›", true},
            {"Less is more — always", "Less is more - always", true},
            {"Stay\tcalm   and\ncarry on", "stay calm and carry on", true},
            {"ﬁne words", "fine words", true},
            // an attribution after the text
            {"To be, or not to be: that is the question", "To be or not to be, that is the question. — Hamlet", true},
            {"To be, or not to be: that is the question", "To be or not to be, that is the question - Shakespeare", true},
            {"To be, or not to be: that is the question", "To be or not to be, that is the question (Hamlet)", true},
            {"Hell is other people.", "Hell is other people.\n-- Jean-Paul Sartre, No Exit", true},
            // a word more or less in a long quotation
            {"The only thing we have to fear is fear itself, nameless, unreasoning, unjustified terror",
             "The only thing we have to fear is fear itself - nameless, unreasoning, unjustified terror!", true},
            {"The only thing we have to fear is fear itself, nameless unreasoning terror",
             "The only thing we have to fear is really fear itself, nameless unreasoning terror", true},
            // numbers tell a series apart
            {"Murphy's law #15: nothing is as easy as it looks.", "Murphy's law #19: nothing is as easy as it looks.", false},
            {"Fortune 1999 edition: be kind", "Fortune 2000 edition: be kind", false},
            // different quotations
            {"Love is blind.", "Love is not blind.", false},
            {"To be or not to be - that is the question", "To be or not to be", false},  // not an attribution
            {"Who's there? - it's me.", "Who's there?", false},  // a reply, not an attribution
            {"I think, therefore I am.", "I drink, therefore I am.", false},
            {"Time flies like an arrow.", "Fruit flies like a banana.", false},
        };
        for (const Pair& p : pairs) {
            const QString a = QString::fromUtf8(p.a), b = QString::fromUtf8(p.b);
            QVERIFY2(duplicates::are_duplicates(a, b, duplicates::default_threshold) == p.same,
                     qPrintable(QStringLiteral("'%1' / '%2': %3 alike").arg(a, b).arg(duplicates::similarity(a, b))));
        }
        QCOMPARE(duplicates::fold(QStringLiteral("  « Déjà   VU ! »  ")), QStringLiteral("deja vu"));
        // A threshold of 100 keeps only texts the same once folded and without attribution.
        QVERIFY(!duplicates::are_duplicates(QStringLiteral("Love is all you need"),
                                            QStringLiteral("Love is all that you need"), 100));
    }

    void find_gives_exactly_the_planted_groups_and_merge_keeps_one() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        auto db = Database::open(path);
        // Fixture rows 1..8 are all different. Planted: 9 and 10 exactly as 2 once folded;
        // 11 as 3 with an attribution; 12 and 13 the same numbered series, not duplicates.
        db->execute(QString::fromUtf8(
            "INSERT INTO quotes (text, author, subject, language, notes, rate) VALUES "
            "('i CAN resist everything, except temptation', 'Wilde', '-', 'EN', NULL, NULL),"              // 9
            "('“I can resist everything except temptation!”', 'O. Wilde', 'Humour', 'EN', 'from a play', 2)," // 10
            "('Experience is the name we give our mistakes. — Oscar Wilde', 'Wilde', 'Life', 'EN', NULL, 3)," // 11
            "('Rule #15: never give up your day job.', 'Murphy', 'Life', 'EN', NULL, 1),"                  // 12
            "('Rule #19: never give up your day job.', 'Murphy', 'Life', 'EN', NULL, 1)"));               // 13
        const auto groups = duplicates::find(*db);
        QCOMPARE(groups.size(), size_t(2));
        QCOMPARE(groups[0].keys, (std::vector<qint64>{2, 9, 10}));
        QVERIFY(groups[0].exact);
        QCOMPARE(groups[1].keys, (std::vector<qint64>{3, 11}));
        QVERIFY(!groups[1].exact);
        // Without near groups, only the exact one.
        QCOMPARE(duplicates::find(*db, {false, duplicates::default_threshold}).size(), size_t(1));

        // Key 9 has no note, no subject ("-") and no rate: it takes them from the others, the
        // first that has one; 2 has a note already, so 10's is not taken.
        duplicates::merge(*db, 9, {2, 10});
        QCOMPARE(db->scalar("SELECT count(*) FROM quotes WHERE key IN (2, 10)").toInt(), 0);
        QCOMPARE(db->scalar("SELECT notes FROM quotes WHERE key = 9").toString(), QStringLiteral("Lady Windermere"));
        QCOMPARE(db->scalar("SELECT subject FROM quotes WHERE key = 9").toString(), QStringLiteral("Love"));
        QCOMPARE(db->scalar("SELECT rate FROM quotes WHERE key = 9").toInt(), 3);
        QCOMPARE(db->scalar("SELECT author FROM quotes WHERE key = 9").toString(), QStringLiteral("Wilde"));
        // A kept row that has its fields keeps them.
        duplicates::merge(*db, 11, {3});
        QCOMPARE(db->scalar("SELECT subject || '/' || rate FROM quotes WHERE key = 11").toString(), QStringLiteral("Life/3"));
        QCOMPARE(db->scalar("SELECT count(*) FROM quotes WHERE key = 3").toInt(), 0);
        // A row gone meanwhile: nothing changes.
        QVERIFY_THROWS_EXCEPTION(DbError, duplicates::merge(*db, 12, {13, 99}));
        QCOMPARE(db->scalar("SELECT count(*) FROM quotes WHERE key IN (12, 13)").toInt(), 2);
        QVERIFY(duplicates::find(*db).empty());

        // Undo takes a merge back whole: the others return, the kept row has its own fields again.
        QVERIFY(trash::undo_last(*db));
        QVERIFY(trash::undo_last(*db));
        QCOMPARE(db->scalar("SELECT count(*) FROM quotes WHERE key IN (2, 3, 10)").toInt(), 3);
        QCOMPARE(db->scalar("SELECT count(*) FROM quotes WHERE key = 9 AND notes IS NULL AND subject = '-' AND rate IS NULL").toInt(), 1);
        QCOMPARE(duplicates::find(*db).size(), size_t(2));
    }
};

SENTARA_TESTS(TestDuplicates)
#include "test_duplicates.moc"
