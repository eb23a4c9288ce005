// The members of the exercise run, as far as its window sees them: caption,
// summary title and widths. Problems per run and the mixed level are the
// catalogue's (exercises/catalogue.cpp).

#include "runform.h"

namespace {
RunForm::Member make(const char* name, const char* prefix, const char* title)
{
    RunForm::Member m;
    m.formName = QString::fromLatin1(name);
    m.captionPrefix = QString::fromLatin1(prefix);
    m.summaryTitle = QString::fromLatin1(title);
    return m;
}

std::vector<RunForm::Member> table()
{
    std::vector<RunForm::Member> t{
        make("metriek", "metriek    ", "metriek"),
        make("procenten", "procenten", "procenten"),
        make("sommen", "Sommen    ", "Sommen"),
        make("vergelijkingen", "Vergelijkingen    ", "Vergelijkingen"),
        make("ontbinden", "Ontbinden    ", "Ontbinden"),
        make("haakjes", "Haakjes wegwerken    ", "Haakjes wegwerken"),
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
