// A generated duty list for the batch's measurements: the header and then row after row, cycling through
// the kinds of row a plant survey holds, made as it is read and never held whole.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

namespace pumpvale::bench {

// clang-format off
inline constexpr std::string_view kDutyHeader =
    "tag,units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,price,inlet,compressor_stages,"
    "compressor_efficiency\n";
// Costed in most, as a survey is; PC-only and refused rows among them.
inline constexpr std::array<std::string_view, 8> kDutyRows{
    "English,1,60,10,90,52,7,24,US Dollars,,1,,\n",
    "English,1,45,35,90,50,5,8,US Dollars,0.072,1 1/2,,\n",
    "English,2,95,60,120,52,7,24,US Dollars,0.072,3,2,80\n",
    "English,1,25,4,90,52,5,16,US Dollars,,1/2,,\n",
    "SI,1,3.5,120,6.5,46,5,16,Euro,0.21,1 1/2,1,70\n",
    "SI,1,2.5,200,6,50,5,10,British Pounds,,1 1/2,,\n",
    "English,1,30,250,90,52,7,24,US Dollars,,,,\n",
    "English,1,70,1.2,90,48,5,8,US Dollars,,1/4,,\n",
};
// clang-format on

class GeneratedDutyList : public std::streambuf {
public:
    explicit GeneratedDutyList(std::size_t rows) : rows_(rows) {
        chunk_ = kDutyHeader;
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
    }

private:
    int_type underflow() override {
        if (next_ >= rows_)
            return traits_type::eof();
        chunk_.clear();
        for (std::size_t n = 0; n < 256 && next_ < rows_; ++n, ++next_) {
            chunk_ += 'P';
            chunk_ += std::to_string(next_);
            chunk_ += ',';
            chunk_ += kDutyRows[next_ % kDutyRows.size()];
        }
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(*gptr());
    }

    std::size_t rows_;
    std::size_t next_ = 0;
    std::string chunk_;
};

} // namespace pumpvale::bench
