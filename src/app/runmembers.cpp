// The members of the exercise run, as far as the run sees them: caption,
// summary title, results file option, mixed level and widths. Problems per run
// depend on the level and are each member's own (RunForm::opgavenPerRun).

#include "runform.h"

namespace {
RunForm::Member make(const char* name, const char* prefix, const char* title, int option,
                     int mixedLevel)
{
    RunForm::Member m;
    m.formName = QString::fromLatin1(name);
    m.captionPrefix = QString::fromLatin1(prefix);
    m.summaryTitle = QString::fromLatin1(title);
    m.option = option;
    m.mixedLevel = mixedLevel;
    return m;
}

std::vector<RunForm::Member> table()
{
    std::vector<RunForm::Member> t{
        make("metriek", "metriek    ", "metriek", 2, 4),
        make("procenten", "procenten", "procenten", 1, 0),
        make("sommen", "Sommen    ", "Sommen", 3, 0),
        make("vergelijkingen", "Vergelijkingen    ", "Vergelijkingen", 6, 7),
        make("ontbinden", "Ontbinden    ", "Ontbinden", 5, 4),
        make("haakjes", "Haakjes wegwerken    ", "Haakjes wegwerken", 4, 5),
    };
    t[1].captionWithChoice = false; // the caption is "procenten" alone
    t[2].windowWidth2 = 7590;       // the sums form is a little narrower
    t[2].buttonWidth1 = 3500;
    t[2].buttonWidth2 = 7125;
    return t;
}
} // namespace

const RunForm::Member& RunForm::member(const QString& formName)
{
    static const std::vector<Member> members = table();
    for (const Member& m : members)
        if (m.formName == formName)
            return m;
    Q_ASSERT_X(false, "RunForm::member", "not a member of the exercise run");
    return members.front();
}
