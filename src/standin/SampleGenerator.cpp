#include "SampleGenerator.h"

#include "FieldCatalogue.h"
#include "RecordIds.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string_view>
#include <utility>

namespace standin {

namespace {

using namespace std::string_view_literals;

constexpr std::array<int, 33> FieldIds = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,  16, 17,
                                          18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 79, 202, 203};

// Index of each field id in FieldIds, worked out at compile time: the generator looks fields up for every value.
constexpr auto Slots = [] {
    std::array<std::size_t, FieldIds.back() + 1> slots{};
    for (std::size_t i = 0; i < FieldIds.size(); ++i)
        slots[static_cast<std::size_t>(FieldIds[i])] = i;
    return slots;
}();

constexpr std::array FirstNames = {
    "James"sv,   "Mary"sv,      "Robert"sv,  "Patricia"sv, "John"sv,    "Jennifer"sv, "Michael"sv, "Linda"sv,
    "David"sv,   "Elizabeth"sv, "William"sv, "Barbara"sv,  "Richard"sv, "Susan"sv,    "Joseph"sv,  "Jessica"sv,
    "Thomas"sv,  "Sarah"sv,     "Charles"sv, "Karen"sv,    "Daniel"sv,  "Nancy"sv,    "Matthew"sv, "Lisa"sv,
    "Anthony"sv, "Betty"sv,     "Mark"sv,    "Sandra"sv,   "Steven"sv,  "Ashley"sv,   "Kevin"sv,   "Emily"sv,
    "José"sv,    "Zoë"sv,       "Renée"sv,   "Chloé"sv,    "Brian"sv,   "Laura"sv,    "Mei"sv,     "Raj"sv};
constexpr std::array LastNames = {
    "Smith"sv,    "Johnson"sv,   "Williams"sv, "Brown"sv,     "Jones"sv,       "Garcia"sv,   "Miller"sv,
    "Davis"sv,    "Rodriguez"sv, "Martinez"sv, "Hernandez"sv, "Lopez"sv,       "Gonzalez"sv, "Wilson"sv,
    "Anderson"sv, "Thomas"sv,    "Taylor"sv,   "Moore"sv,     "Jackson"sv,     "Martin"sv,   "Lee"sv,
    "Perez"sv,    "Thompson"sv,  "White"sv,    "Harris"sv,    "Clark"sv,       "Lewis"sv,    "Walker"sv,
    "Young"sv,    "King"sv,      "O'Brien"sv,  "Müller"sv,    "Peña"sv,        "Nguyen"sv,   "Patel"sv,
    "Kowalski"sv, "Schmidt"sv,   "Fischer"sv,  "Chen"sv,      "Van der Berg"sv};
// The letters with accents that the names above use, and the ASCII letter an e-mail address has for each.
constexpr std::array<std::pair<std::string_view, char>, 4> AccentedLetters = {
    {{"é", 'e'}, {"ë", 'e'}, {"ü", 'u'}, {"ñ", 'n'}}};

constexpr std::array CompanyStems = {"Northwind"sv, "Blue Ridge"sv, "Summit"sv,   "Pinnacle"sv, "Harbor"sv,
                                     "Cedar"sv,     "Redwood"sv,    "Lakeside"sv, "Ironwood"sv, "Silver Creek"sv,
                                     "Keystone"sv,  "Evergreen"sv,  "Granite"sv,  "Bayview"sv,  "Frontier"sv,
                                     "Meridian"sv,  "Atlas"sv,      "Prairie"sv,  "Orchard"sv,  "Beacon"sv};
constexpr std::array CompanyKinds = {"Traders"sv,  "Consulting"sv, "Industries"sv, "Group"sv,
                                     "Partners"sv, "Logistics"sv,  "Software"sv,   "Foods"sv,
                                     "Realty"sv,   "Health"sv,     "Insurance"sv,  "Design"sv};
// ", Inc." gives exports a comma to quote.
constexpr std::array CompanyForms = {""sv, ""sv, " Inc."sv, ", Inc."sv, " LLC"sv, " Corp."sv, " & Co."sv};

constexpr std::array Titles = {"President"sv,
                               "Vice President"sv,
                               "Sales Manager"sv,
                               "Account Executive"sv,
                               "Office Manager"sv,
                               "CFO"sv,
                               "Owner"sv,
                               "Purchasing Agent"sv,
                               "Marketing Director"sv,
                               "Engineer"sv,
                               "Consultant"sv,
                               "Administrative Assistant"sv};
constexpr std::array Departments = {"Sales"sv,      "Marketing"sv, "Finance"sv, "Operations"sv,
                                    "Purchasing"sv, "IT"sv,        "R&D"sv,     "Human Resources"sv};
constexpr std::array Streets = {"Main"sv,   "Oak"sv,     "Maple"sv,     "Cedar"sv,   "Elm"sv,   "Washington"sv,
                                "Lake"sv,   "Hill"sv,    "Park"sv,      "Pine"sv,    "First"sv, "Second"sv,
                                "Sunset"sv, "Madison"sv, "Jefferson"sv, "Highland"sv};
constexpr std::array StreetKinds = {"St."sv, "Ave."sv, "Blvd."sv, "Rd."sv, "Dr."sv, "Ln."sv, "Way"sv, "Ct."sv};
constexpr std::array SecondLines = {"Suite "sv, "Floor "sv, "Apt. "sv, "Unit "sv};

struct City {
    std::string_view name;
    std::string_view state;
    std::string_view zipPrefix;
    std::string_view areaCode;
};

constexpr std::array<City, 30> Cities = {{
    {"Boston", "MA", "021", "617"},       {"New York", "NY", "100", "212"},       {"Philadelphia", "PA", "191", "215"},
    {"Baltimore", "MD", "212", "410"},    {"Atlanta", "GA", "303", "404"},        {"Miami", "FL", "331", "305"},
    {"Orlando", "FL", "328", "407"},      {"Charlotte", "NC", "282", "704"},      {"Nashville", "TN", "372", "615"},
    {"Chicago", "IL", "606", "312"},      {"Detroit", "MI", "482", "313"},        {"Cleveland", "OH", "441", "216"},
    {"Indianapolis", "IN", "462", "317"}, {"Milwaukee", "WI", "532", "414"},      {"Minneapolis", "MN", "554", "612"},
    {"St. Louis", "MO", "631", "314"},    {"Kansas City", "MO", "641", "816"},    {"Dallas", "TX", "752", "214"},
    {"Houston", "TX", "770", "713"},      {"Austin", "TX", "787", "512"},         {"Denver", "CO", "802", "303"},
    {"Phoenix", "AZ", "850", "602"},      {"Salt Lake City", "UT", "841", "801"}, {"Las Vegas", "NV", "891", "702"},
    {"Los Angeles", "CA", "900", "213"},  {"San Diego", "CA", "921", "619"},      {"San Francisco", "CA", "941", "415"},
    {"Portland", "OR", "972", "503"},     {"Seattle", "WA", "981", "206"},        {"Albuquerque", "NM", "871", "505"},
}};

// Empty entries make some contacts have no value.
constexpr std::array Statuses = {"Customer"sv, "Prospect"sv, "Vendor"sv, "Competitor"sv, "Friend"sv, ""sv, ""sv};
constexpr std::array Referrals = {"Web Site"sv, "Trade Show"sv, "Advertisement"sv, "Cold Call"sv, "Newsletter"sv};
constexpr std::array Results = {
    "Left message"sv,   "Sent proposal"sv,          "Meeting scheduled"sv,       "Closed sale"sv,
    "Not interested"sv, "Call back next quarter"sv, "Sent brochure, follow up"sv};
// Notes carry commas, quotes and line breaks, which exports must quote.
constexpr std::array NoteSentences = {"Met at the spring trade show."sv,
                                      "Prefers \"early\" calls, never on Fridays."sv,
                                      "Interested in the premium plan."sv,
                                      "Asked for a quote on 500 units."sv,
                                      "Budget review in Q3; decision by the board."sv,
                                      "Spouse: Pat. Two kids, likes golf."sv,
                                      "Referred two colleagues, send a thank-you note."sv,
                                      "Wants pricing in writing before the next meeting."sv};

constexpr int daysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const int era = year / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int FirstDay = daysFromCivil(2012, 1, 1);
constexpr int LastDay = daysFromCivil(2025, 6, 30);

void appendNumber(std::string& out, std::uint64_t value) {
    char buffer[20];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendPadded(std::string& out, unsigned value, int width) {
    char buffer[4];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        buffer[i] = static_cast<char>('0' + value % 10);
    out.append(buffer, static_cast<std::size_t>(width));
}

// "MM/DD/YYYY" of a day counted from 1970-01-01.
void appendDate(std::string& out, int days) {
    days += 719468;
    const int era = days / 146097;
    const int dayOfEra = days - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int year = yearOfEra + era * 400 + (month <= 2);
    appendPadded(out, static_cast<unsigned>(month), 2);
    out += '/';
    appendPadded(out, static_cast<unsigned>(day), 2);
    out += '/';
    appendPadded(out, static_cast<unsigned>(year), 4);
}

void appendTime(std::string& out, int minutes) {
    appendPadded(out, static_cast<unsigned>(minutes / 60), 2);
    out += ':';
    appendPadded(out, static_cast<unsigned>(minutes % 60), 2);
}

// "1,234.50": group commas, two decimals.
void appendAmount(std::string& out, std::uint64_t cents) {
    const std::uint64_t units = cents / 100;
    std::string digits;
    appendNumber(digits, units);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    out += '.';
    appendPadded(out, static_cast<unsigned>(cents % 100), 2);
}

// Lower-case ASCII letters and digits of a name or company, as in an e-mail address or a domain.
void appendAddressForm(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isalnum(c)) {
            out += static_cast<char>(std::tolower(c));
            continue;
        }
        for (const auto& [accented, plain] : AccentedLetters) {
            if (text.substr(i, accented.size()) == accented) {
                out += plain;
                i += accented.size() - 1;
            }
        }
    }
}

void appendPhone(std::string& out, DeterministicRandom& random, std::string_view areaCode) {
    out += '(';
    out += areaCode;
    out += ") ";
    appendNumber(out, random.between(200, 999));
    out += '-';
    appendPadded(out, static_cast<unsigned>(random.below(10000)), 4);
}

} // namespace

SampleGenerator::SampleGenerator(std::uint64_t seed, const std::vector<UserRecord>& users)
    : m_random(seed), m_idKey(m_random.next()) {
    for (const UserRecord& user : users) {
        m_userIds.push_back(user.uniqueId);
        m_userNames.push_back(user.name);
    }
}

const std::vector<int>& SampleGenerator::fieldIds() {
    static const std::vector<int> ids(FieldIds.begin(), FieldIds.end());
    return ids;
}

std::uint64_t SampleGenerator::idNumber(std::uint64_t index) const {
    // Odd multipliers and xor-shifts are bijections on 60 bits, so ids are unique without remembering them.
    constexpr std::uint64_t Mask = (std::uint64_t{1} << 60) - 1;
    std::uint64_t x = (index + m_idKey) & Mask;
    x = (x * 0x9E3779B97F4A7C15ULL) & Mask;
    x ^= x >> 29;
    x = (x * 0xBF58476D1CE4E5B9ULL) & Mask;
    return x ^ (x >> 32);
}

void SampleGenerator::next(std::vector<std::string>& values) {
    values.resize(FieldIds.size());
    for (std::string& value : values)
        value.clear();
    auto at = [&values](int fieldId) -> std::string& { return values[Slots[static_cast<std::size_t>(fieldId)]]; };
    DeterministicRandom& random = m_random;

    at(1) = recordids::fromNumber(idNumber(m_index++));
    const std::string_view first = random.pick(FirstNames);
    const std::string_view last = random.pick(LastNames);
    at(4) = first;
    at(5) = last;
    at(3).append(first).append(" ").append(last);

    std::string domain;
    if (random.chance(85)) {
        const std::string_view stem = random.pick(CompanyStems);
        const std::string_view kind = random.pick(CompanyKinds);
        at(2).append(stem).append(" ").append(kind).append(random.pick(CompanyForms));
        appendAddressForm(domain, stem);
        appendAddressForm(domain, kind);
        domain += ".com";
        if (random.chance(80))
            at(13).append("www.").append(domain);
    }
    if (!m_userIds.empty() && random.chance(90))
        at(6) = random.pick(m_userIds);
    if (random.chance(92))
        at(7) = random.pick(Titles);
    if (random.chance(80))
        at(8) = random.pick(Departments);

    const City& city = random.pick(Cities);
    if (random.chance(95))
        appendPhone(at(9), random, city.areaCode);
    if (random.chance(65))
        appendPhone(at(10), random, city.areaCode);
    if (random.chance(25))
        appendPhone(at(11), random, city.areaCode);
    if (random.chance(90)) {
        std::string& mail = at(12);
        appendAddressForm(mail, first);
        mail += '.';
        appendAddressForm(mail, last);
        if (domain.empty()) {
            appendNumber(mail, random.below(100));
            mail.append("@example.net");
        } else {
            mail.append("@").append(domain);
        }
    }
    if (random.chance(95)) {
        std::string& street = at(14);
        appendNumber(street, random.between(1, 9999));
        street.append(" ").append(random.pick(Streets)).append(" ").append(random.pick(StreetKinds));
        if (random.chance(15)) {
            at(15) = random.pick(SecondLines);
            appendNumber(at(15), random.between(1, 40) * 10);
        }
    }
    if (random.chance(96)) {
        at(16) = city.name;
        at(17) = city.state;
        at(27) = city.zipPrefix;
        appendPadded(at(27), static_cast<unsigned>(random.below(100)), 2);
    }
    if (random.chance(95))
        at(18) = "United States";
    if (random.chance(90))
        at(19) = first;
    else if (random.chance(50))
        at(19).append("Dr. ").append(last);
    at(20) = random.pick(Statuses);
    if (random.chance(15)) {
        at(21) = random.pick(Referrals);
    } else if (random.chance(15)) {
        const std::string_view referrerFirst = random.pick(FirstNames);
        at(21).append(referrerFirst).append(" ").append(random.pick(LastNames));
    }
    if (random.chance(50))
        at(22) = random.pick(Results);

    const int created = static_cast<int>(random.between(FirstDay, LastDay));
    if (random.chance(97)) {
        appendDate(at(26), created);
        at(26) += ' ';
        appendTime(at(26), static_cast<int>(random.between(8 * 60, 19 * 60 - 1)));
    }
    at(79) = createDateSortValue(at(26));
    if (random.chance(85))
        appendDate(at(29), static_cast<int>(random.between(created, LastDay)));
    if (random.chance(40)) {
        appendDate(at(23), static_cast<int>(random.between(created, LastDay)));
        at(23) += ' ';
        appendTime(at(23), static_cast<int>(random.between(8 * 4, 18 * 4)) * 15);
    }
    if (random.chance(30))
        appendTime(at(28), static_cast<int>(random.between(8 * 4, 17 * 4)) * 15);
    if (random.chance(70)) {
        // Amounts from hundreds to millions, so group separators appear in every count.
        std::uint64_t scale = 10000;
        for (std::uint64_t steps = random.below(5); steps > 0; --steps)
            scale *= 10;
        appendAmount(at(24), random.between(scale, scale * 10 - 1));
    }
    if (random.chance(75)) {
        appendNumber(at(25), random.between(1, 5000));
        if (random.chance(10))
            at(25) += ".5";
    }
    if (random.chance(40)) {
        std::string& notes = at(30);
        for (std::uint64_t sentences = random.between(1, 3); sentences > 0; --sentences) {
            if (!notes.empty())
                notes += random.chance(50) ? "\r\n" : " ";
            notes += random.pick(NoteSentences);
        }
    }
    if (!m_userNames.empty())
        at(202) = random.pick(m_userNames);
    at(203) = random.chance(5) ? "1" : "0";
}

} // namespace standin
