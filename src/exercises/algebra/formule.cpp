#include "formule.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace algebra {

namespace {

// The values of the operands "e" and "v" that the reader accepts besides the
// letter. No problem or right answer holds them; an answer that does is
// simply judged by its values.
constexpr double waardeE = 2.718281828459045;
constexpr double waardeV = 1;

// Kind of the token read before the current one.
enum Vorige { Begin = 0, Unair = 1, Open = 2, Operand = 3, Operator = 4, Dicht = 5 };

bool operandAchtig(int vorige)
{
    return vorige == Unair || vorige == Operand || vorige == Dicht;
}

int prioriteit(char16_t op)
{
    switch (op) {
    case u'+':
    case u'-':
        return 1;
    case u'/':
        return 3;
    case u'*':
        return 4;
    case u'^':
        return 5;
    default: // "("
        return 0;
    }
}

Token::Soort soortVan(char16_t op)
{
    switch (op) {
    case u'+':
        return Token::Soort::Plus;
    case u'-':
        return Token::Soort::Min;
    case u'/':
        return Token::Soort::Deel;
    case u'*':
        return Token::Soort::Maal;
    default:
        return Token::Soort::Macht;
    }
}

bool isCijfer(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

char16_t kleineLetter(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// The leading number of a run of digits and points: digits, one point,
// digits. Short whole numbers are counted directly; the rest goes to strtod,
// which gives infinity for absurdly long runs (the evaluator then finds no
// value).
double getalWaarde(const char16_t* s, qsizetype n)
{
    qsizetype eind = 0;
    bool punt = false;
    for (; eind < n; ++eind) {
        if (s[eind] == u'.') {
            if (punt)
                break;
            punt = true;
        }
    }
    if (!punt && eind <= 15) {
        double v = 0;
        for (qsizetype i = 0; i < eind; ++i)
            v = v * 10 + (s[i] - u'0');
        return v;
    }
    std::string tekst(s, s + eind);
    return std::strtod(tekst.c_str(), nullptr);
}

// Function names that the program does not accept: the letter followed by
// one of these second characters is a reading error.
bool begintFunctienaam(char16_t eerste, char16_t tweede)
{
    static constexpr const char16_t* namen[] = {u"co", u"si", u"ta", u"lo", u"ln", u"ab",
                                                u"as", u"ac", u"at", u"ar", u"sq"};
    for (const char16_t* naam : namen)
        if (naam[0] == eerste && naam[1] == tweede)
            return true;
    return false;
}

// Shunting-yard conversion with implicit multiplication.
class Lezer {
public:
    Lezer(const QString& tekst, QChar letter)
        : s_(reinterpret_cast<const char16_t*>(tekst.utf16())), n_(tekst.size()),
          letter_(letter.unicode())
    {
        f_.postfix.reserve(16);
    }

    Formule lees()
    {
        while (pos_ < n_ && !fout_)
            stap();
        while (!fout_ && !stapel_.empty()) {
            if (stapel_.back() != u'(')
                uit({soortVan(stapel_.back())});
            stapel_.pop_back();
        }
        f_.foutief = fout_ || diepte_ != 0 || !controleerStapel();
        return std::move(f_);
    }

private:
    void stap()
    {
        const char16_t c = kleineLetter(s_[pos_]);
        if (c == u' ') {
            ++pos_;
        } else if (c == u'-' && (pos_ == 0 || vorige_ == Open || vorige_ == Operator)) {
            uit({Token::Soort::Getal, -1});
            vorige_ = Unair;
            ++pos_;
        } else if (c == letter_) {
            if (pos_ + 1 < n_ && begintFunctienaam(c, s_[pos_ + 1]))
                fout_ = true;
            else if (operandAchtig(vorige_))
                operatorIn(u'*');
            else
                operand({Token::Soort::Letter}, 1);
        } else if (c == u'(') {
            if (operandAchtig(vorige_)) {
                operatorIn(u'*');
            } else {
                ++diepte_;
                duw(u'(');
                vorige_ = Open;
                ++pos_;
            }
        } else if (isCijfer(c) || c == u'.') {
            if (operandAchtig(vorige_)) {
                operatorIn(u'*');
            } else {
                qsizetype eind = pos_;
                while (eind < n_ && (isCijfer(s_[eind]) || s_[eind] == u'.'))
                    ++eind;
                operand({Token::Soort::Getal, getalWaarde(s_ + pos_, eind - pos_)}, eind - pos_);
            }
        } else if (c == u'+' || c == u'-' || c == u'/' || c == u'*' || c == u'^') {
            operatorIn(c);
            ++pos_;
        } else if (c == u')') {
            sluit();
            ++pos_;
        } else if (c == u'e' || c == u'v') {
            if (vorige_ == Dicht)
                fout_ = true;
            else if (operandAchtig(vorige_))
                operatorIn(u'*');
            else
                operand({Token::Soort::Getal, c == u'e' ? waardeE : waardeV}, 1);
        } else {
            fout_ = true; // any other character
        }
    }

    void operand(Token t, qsizetype lengte)
    {
        uit(t);
        vorige_ = Operand;
        pos_ += lengte;
    }

    // An operator: pops what binds at least as tightly, then waits on the
    // stack. The implicit multiplication comes here without moving on, so
    // the same character is read again.
    void operatorIn(char16_t op)
    {
        const int p = prioriteit(op);
        while (!stapel_.empty() && prioriteit(stapel_.back()) >= p) {
            uit({soortVan(stapel_.back())});
            stapel_.pop_back();
        }
        duw(op);
        vorige_ = Operator;
    }

    void sluit()
    {
        if (--diepte_ < 0) {
            fout_ = true;
            return;
        }
        while (!stapel_.empty() && stapel_.back() != u'(') {
            uit({soortVan(stapel_.back())});
            stapel_.pop_back();
        }
        if (!stapel_.empty())
            stapel_.pop_back();
        vorige_ = Dicht;
    }

    void duw(char16_t op)
    {
        if (stapel_.size() >= maxOperatoren)
            fout_ = true;
        else
            stapel_.push_back(op);
    }

    void uit(Token t)
    {
        if (f_.postfix.size() >= maxTokens) {
            fout_ = true;
            return;
        }
        if (t.soort == Token::Soort::Deel)
            f_.deling = true;
        f_.postfix.push_back(t);
    }

    // The list must leave exactly one value, and no operator may find fewer
    // than two values below it (a list can balance in total and still
    // start with an operator).
    bool controleerStapel()
    {
        int hoogte = 0;
        for (const Token& t : f_.postfix) {
            if (t.soort == Token::Soort::Getal || t.soort == Token::Soort::Letter) {
                f_.diepte = std::max(f_.diepte, ++hoogte);
            } else if (--hoogte < 1) {
                return false;
            }
        }
        return hoogte == 1;
    }

    const char16_t* s_;
    qsizetype n_;
    char16_t letter_;
    qsizetype pos_ = 0;
    int vorige_ = Begin;
    int diepte_ = 0;
    bool fout_ = false;
    std::vector<char16_t> stapel_;
    Formule f_;
};

// a ^ b at one point. A value that is no longer finite stays so (NaN), so
// that the end result becomes `onbepaald`; pow itself would turn inf^0 into 1.
inline double macht(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::numeric_limits<double>::quiet_NaN();
    if (a < 0 && b > -1 && b < 1)
        return onbepaald;
    if (b == 2)
        return a * a;
    if (b == 3)
        return a * a * a;
    return std::pow(a, b);
}

// Evaluates the list at N points at once: each token is one sweep over the
// points, so the text and the token kinds are looked at once per sweep.
template <int N> void evalueer(const Formule& f, const double* x, double* uit)
{
    if (f.foutief || f.deling) {
        for (int i = 0; i < N; ++i)
            uit[i] = onbepaald;
        return;
    }
    std::vector<double> stapel(std::size_t(f.diepte) * N);
    double* top = stapel.data(); // first free row
    for (const Token& t : f.postfix) {
        switch (t.soort) {
        case Token::Soort::Getal:
            for (int i = 0; i < N; ++i)
                top[i] = t.waarde;
            top += N;
            continue;
        case Token::Soort::Letter:
            for (int i = 0; i < N; ++i)
                top[i] = x[i];
            top += N;
            continue;
        default:
            break;
        }
        double* a = top - 2 * N;
        const double* b = top - N;
        switch (t.soort) {
        case Token::Soort::Plus:
            for (int i = 0; i < N; ++i)
                a[i] += b[i];
            break;
        case Token::Soort::Min:
            for (int i = 0; i < N; ++i)
                a[i] -= b[i];
            break;
        case Token::Soort::Maal:
            for (int i = 0; i < N; ++i)
                a[i] *= b[i];
            break;
        default: // Macht; Deel never gets here
            for (int i = 0; i < N; ++i)
                a[i] = macht(a[i], b[i]);
            break;
        }
        top -= N;
    }
    for (int i = 0; i < N; ++i)
        uit[i] = std::isfinite(stapel[i]) ? stapel[i] : onbepaald;
}

const std::array<double, aantalMeetpunten>& meetpuntenDubbel()
{
    static const std::array<double, aantalMeetpunten> punten = [] {
        std::array<double, aantalMeetpunten> p{};
        for (int i = 0; i < aantalMeetpunten; ++i)
            p[i] = meetpunten()[i];
        return p;
    }();
    return punten;
}

} // namespace

const std::array<float, aantalMeetpunten>& meetpunten()
{
    static const std::array<float, aantalMeetpunten> punten = [] {
        std::array<float, aantalMeetpunten> p{};
        for (int i = 1; i <= aantalMeetpunten; ++i)
            p[i - 1] = static_cast<float>(i / 10.0 - 10);
        return p;
    }();
    return punten;
}

Formule prefix_suffix(QString& invoer, QChar letter)
{
    invoer.replace(QChar(0xB2), QLatin1String("^2"));
    invoer.replace(QChar(0xB3), QLatin1String("^3"));
    return Lezer(invoer, letter).lees();
}

double funktiewaarde(const Formule& f, float xwaarde)
{
    const double x = xwaarde;
    double y;
    evalueer<1>(f, &x, &y);
    return y;
}

std::int32_t afgerond(double y)
{
    if (!(y <= 60000))
        return 6000000;
    // A hundredfold a hair below a whole number counts as that number: two
    // ways of writing one polynomial round differently in the last bits,
    // and where the exact value is a whole hundredth (at a turning point,
    // where the meetpunt's own error cancels) the floor would tell them apart.
    const double honderd = std::floor(100 * y + 1e-6);
    if (honderd < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(honderd);
}

Waarden waarden(const Formule& f)
{
    std::array<double, aantalMeetpunten> y;
    evalueer<aantalMeetpunten>(f, meetpuntenDubbel().data(), y.data());
    Waarden w;
    for (int i = 0; i < aantalMeetpunten; ++i)
        w[i] = afgerond(y[i]);
    return w;
}

bool gelijk(const Formule& f, const Waarden& doel)
{
    return !f.foutief && waarden(f) == doel;
}

Waarden waardenVanOpgave(const QString& tekst, QChar letter)
{
    // A problem is written with a leading blank; read after it, so that a
    // leading minus is the sign of the first term.
    qsizetype begin = 0;
    while (begin < tekst.size() && tekst[begin] == QLatin1Char(' '))
        ++begin;
    QString invoer = tekst.mid(begin);
    return waarden(prefix_suffix(invoer, letter));
}

} // namespace algebra
