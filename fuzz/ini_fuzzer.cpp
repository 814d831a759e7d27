// Settings files through the INI rules: any bytes decode to text, any text answers a lookup,
// and a value set into any text is found there again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace platform::profile;
    const std::u16string text =
        decodeProfileBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)findProfileValue(text, u"txtcvtSettings", u"dbcPath");
    const std::u16string_view value = u"C:\\data\\vehicle.dbc";
    if (!isStorableProfileEntry(u"txtcvtParams", u"csvDelimit", value)) std::abort();
    const std::u16string updated = setProfileValue(text, u"txtcvtParams", u"csvDelimit", value);
    const auto found = findProfileValue(updated, u"txtcvtParams", u"csvDelimit");
    if (!found || *found != value) std::abort();
    return 0;
}
