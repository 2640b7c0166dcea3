#pragma once
// The support page's four web addresses. The maker's two sites are named here
// and nowhere else: the support site (questions, contact, downloads) and the
// main site (its home page).

#include <array>
#include <string>
#include <string_view>

namespace solune {

inline constexpr std::string_view kUrlScheme = "https://";
inline constexpr std::string_view kSupportSiteHost = "support.dravik.com";
inline constexpr std::string_view kMainSiteHost = "www.dravik.com";

struct SupportLink {
    int buttonId;
    std::string_view host;
    std::string_view path;
};

inline constexpr auto kSupportLinks = std::to_array<SupportLink>({
    {1086, kSupportSiteHost, "/categories/20013662-frequently-asked-questions"},  // "FQA"
    {1071, kSupportSiteHost, "/home"},                                           // "Online Support"
    {1072, kMainSiteHost, "/"},                                                  // "Check Updates"
    {1073, kSupportSiteHost, "/categories/20014118-software-manual-downloads"},  // "Check Firmware"
});

// The address that button `buttonId` opens; empty for any other id.
inline std::string SupportLinkUrl(int buttonId) {
    for (const SupportLink& link : kSupportLinks) {
        if (link.buttonId == buttonId) {
            return std::string(kUrlScheme) + std::string(link.host) + std::string(link.path);
        }
    }
    return {};
}

}  // namespace solune
