#include "core/ScaleCheck.h"

#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace dravino {

namespace {


struct Failure {
    int number;
};
struct DivisionByZero {};

// Each statement either succeeds or throws one of the two; the caller skips
// the statement on Failure and stops on DivisionByZero.
class Run
{
public:
    explicit Run(char sep) : m_sep(sep) {}

    template <typename Statement>
    void statement(Statement &&s)
    {
        try {
            s();
        } catch (const Failure &f) {
            m_failures.push_back({ScaleFailure::RunTime, f.number, describe(f.number)});
        }
    }

    std::int32_t toLong(const std::string &text) const { return check(toInt32(text, m_sep)); }
    std::int16_t toInt(const std::string &text) const { return check(toInt16(text, m_sep)); }
    float toSingleValue(const std::string &text) const { return check(dravino::toSingle(text, m_sep)); }

    static std::int32_t roundToLong(double x)
    {
        if (std::isnan(x))
            throw Failure{kErrOverflow};
        const double r = roundHalfEven(x);
        if (r < double(std::numeric_limits<std::int32_t>::min())
            || r > double(std::numeric_limits<std::int32_t>::max()))
            throw Failure{kErrOverflow};
        return std::int32_t(r);
    }
    static std::int32_t addLong(std::int64_t a, std::int64_t b)
    {
        const std::int64_t s = a + b;
        if (s < std::numeric_limits<std::int32_t>::min() || s > std::numeric_limits<std::int32_t>::max())
            throw Failure{kErrOverflow};
        return std::int32_t(s);
    }
    // Division as the bench program did it: x/0 ends everything, 0/0 fails.
    static double divide(double num, double den)
    {
        if (den == 0.0) {
            if (num == 0.0)
                throw Failure{kErrOverflow};
            throw DivisionByZero{};
        }
        return num / den;
    }

    std::vector<ScaleFailure> m_failures;

private:
    template <typename T>
    static T check(const NumberResult<T> &r)
    {
        if (r.error == NumberError::NotANumber)
            throw Failure{kErrTypeMismatch};
        if (r.error == NumberError::Overflow)
            throw Failure{kErrOverflow};
        return r.value;
    }
    static std::string describe(int number)
    {
        return number == kErrTypeMismatch ? "Tipo non corrispondente" : "Overflow";
    }
    char m_sep;
};

} // namespace

double shownLinearity(float percent)
{
    const double rounded = std::round(double(percent) * 100.0) / 100.0;
    return rounded == 0.0 ? 0.0 : rounded; // no "-0.00"
}

std::string formatLinearity(float percent, char sep)
{
    return formatNumber(shownLinearity(percent), std::chars_format::fixed, 2, sep);
}

std::vector<ScaleFailure> calcolaScala(ScaleGrid &g, const ScaleSettings &settings)
{
    Run run(settings.decimalSeparator);
    std::array<std::int32_t, kScaleRows> mv{};
    std::array<std::int32_t, kScaleRows> pressure{};
    std::array<std::int32_t, kScaleRows> scale{};
    std::int16_t count = 0;
    std::int32_t average = 0;
    float ratio = 0;
    float linearity = 0;
    std::int16_t tolerance = 0;
    std::int32_t deviation = 0;
    const AdcResolution resolution = settings.bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10;
    const double factor = adcFactor(resolution);

    try {
        // 1. Clear the results.
        for (int i = 0; i < kScaleRows; ++i) {
            g.mvolt[i].clear();
            g.scala[i].clear();
            g.linearita[i].clear();
            g.scostamento[i].clear();
        }
        // 2. Read the rows; rewriting the fields drops leading zeros. A count
        // the converter cannot show leaves its row's millivolts empty.
        bool zeroRowRead = true;
        for (int i = 0; i < kScaleRows; ++i) {
            bool beyond = false;
            run.statement([&] {
                const std::int32_t count = run.toLong(g.adc[i]);
                if (count > adcMaxCount(resolution)) {
                    beyond = true;
                    run.m_failures.push_back({ScaleFailure::CountBeyond, 0, {}, i, count, adcMaxCount(resolution)});
                    return;
                }
                mv[i] = Run::roundToLong(double(count) * factor);
            });
            if (!beyond)
                g.mvolt[i] = std::to_string(mv[i]);
            else if (i == 0)
                zeroRowRead = false;
            run.statement([&] { pressure[i] = run.toLong(g.bar[i]); });
            run.statement([&] { g.adc[i] = std::to_string(run.toLong(g.adc[i])); });
            run.statement([&] { g.bar[i] = std::to_string(run.toInt(g.bar[i])); });
        }
        // Every row is measured from the zero row's reading.
        if (!zeroRowRead)
            return run.m_failures;
        // 3. Full scale of every row above the validity threshold.
        const int span = settings.denso ? kScaleSpanDensoMv : kScaleSpanBoschMv;
        for (int i = 1; i < kScaleRows; ++i) {
            if (mv[i] <= kScaleValidityMv)
                continue;
            run.statement([&] {
                const std::int64_t product = std::int64_t(pressure[i]) * span;
                const std::int64_t diff = std::int64_t(mv[i]) - mv[0];
                if (product > std::numeric_limits<std::int32_t>::max()
                    || product < std::numeric_limits<std::int32_t>::min())
                    throw Failure{kErrOverflow};
                scale[i] = Run::roundToLong(Run::divide(double(product), double(diff)));
            });
            g.scala[i] = std::to_string(scale[i]);
            ++count;
        }
        // 4. Automatic average of the computed rows.
        if (settings.automaticAverage) {
            for (int i = 1; i < kScaleRows; ++i)
                run.statement([&] { average = Run::addLong(average, scale[i]); });
            run.statement([&] { average = Run::roundToLong(Run::divide(average, count)); });
            g.media = std::to_string(average);
        }
        // 5. Linearity: the average divided by the row's scale.
        for (int i = 1; i < kScaleRows; ++i) {
            if (g.scala[i].empty())
                continue;
            run.statement([&] {
                const float avg = run.toSingleValue(g.media);
                const float rowScale = run.toSingleValue(g.scala[i]);
                ratio = static_cast<float>(Run::divide(avg, rowScale));
            });
            linearity = static_cast<float>((1.0f - ratio) * 100.0f);
            g.linearityPercent[i] = linearity;
            g.linearitaColor[i] = (linearity >= -1.0f && linearity <= 1.0f) ? Verdict::Green : Verdict::Red;
            g.linearita[i] = formatLinearity(linearity, settings.decimalSeparator) + "%";
        }
        // 6. Tolerance: one hundredth of the average.
        run.statement([&] {
            tolerance = static_cast<std::int16_t>(roundHalfEven(run.toInt(g.media) / 100.0));
        });
        g.tolerance = tolerance;
        // 7. Deviation of every computed row.
        for (int i = 1; i < kScaleRows; ++i) {
            if (g.scala[i].empty())
                continue;
            run.statement([&] {
                deviation = std::int32_t(run.toInt(g.scala[i])) - run.toLong(g.media);
            });
            g.scostamentoColor[i] =
                (deviation >= -tolerance && deviation <= tolerance) ? Verdict::Green : Verdict::Red;
            g.scostamento[i] = std::to_string(deviation);
        }
    } catch (const DivisionByZero &) {
        run.m_failures.push_back({ScaleFailure::DivisionByZero, 11, "Divisione per zero"});
    }
    return run.m_failures;
}

} // namespace dravino
