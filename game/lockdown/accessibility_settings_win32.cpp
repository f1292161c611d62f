// Sticky Keys, Filter Keys and Toggle Keys through SystemParametersInfo.
#include "game/lockdown/accessibility_settings_win32.h"

#include <windows.h>

namespace lockdown {

namespace {

static_assert(kFeatureOn == SKF_STICKYKEYSON && kFeatureOn == FKF_FILTERKEYSON &&
              kFeatureOn == TKF_TOGGLEKEYSON);
static_assert(kHotkeyActive == SKF_HOTKEYACTIVE && kHotkeyActive == FKF_HOTKEYACTIVE &&
              kHotkeyActive == TKF_HOTKEYACTIVE);
static_assert(kConfirmHotkey == SKF_CONFIRMHOTKEY && kConfirmHotkey == FKF_CONFIRMHOTKEY &&
              kConfirmHotkey == TKF_CONFIRMHOTKEY);

// A write changes only the flags of the record as it stands, so a restore puts back exactly
// what was read. It is not saved to the user's profile: should the game be killed before its
// restore, the change lasts only until the user signs out.
template <class Record>
struct FeatureCalls {
  UINT get;
  UINT set;

  bool Get(Record& record) const {
    record = {};
    record.cbSize = sizeof(Record);
    return SystemParametersInfoA(get, sizeof(Record), &record, 0) != 0;
  }
  std::optional<std::uint32_t> ReadFlags() const {
    Record record;
    if (!Get(record)) return std::nullopt;
    return record.dwFlags;
  }
  bool WriteFlags(std::uint32_t flags) const {
    Record record;
    if (!Get(record)) return false;
    record.dwFlags = flags;
    return SystemParametersInfoA(set, sizeof(Record), &record, 0) != 0;
  }
};

constexpr FeatureCalls<STICKYKEYS> kSticky{SPI_GETSTICKYKEYS, SPI_SETSTICKYKEYS};
constexpr FeatureCalls<FILTERKEYS> kFilter{SPI_GETFILTERKEYS, SPI_SETFILTERKEYS};
constexpr FeatureCalls<TOGGLEKEYS> kToggle{SPI_GETTOGGLEKEYS, SPI_SETTOGGLEKEYS};

}  // namespace

std::optional<std::uint32_t> Win32AccessSettings::ReadFlags(AccessFeature feature) {
  switch (feature) {
    case AccessFeature::kStickyKeys:
      return kSticky.ReadFlags();
    case AccessFeature::kFilterKeys:
      return kFilter.ReadFlags();
    case AccessFeature::kToggleKeys:
      return kToggle.ReadFlags();
  }
  return std::nullopt;
}

bool Win32AccessSettings::WriteFlags(AccessFeature feature, std::uint32_t flags) {
  switch (feature) {
    case AccessFeature::kStickyKeys:
      return kSticky.WriteFlags(flags);
    case AccessFeature::kFilterKeys:
      return kFilter.WriteFlags(flags);
    case AccessFeature::kToggleKeys:
      return kToggle.WriteFlags(flags);
  }
  return false;
}

}  // namespace lockdown
