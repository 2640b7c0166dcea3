#pragma once
// The support page's four web addresses. The maker's two sites are named here
// and nowhere else: the support site (questions, contact, downloads) and the
// main site (its home page).

#include <array>
#include <string>
#include <string_view>

#include "shared/layout/SupportPageLayout.h"

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
    {layout::kSupportFaqId, kSupportSiteHost, "/categories/20013662-frequently-asked-questions"},
    {layout::kSupportOnlineId, kSupportSiteHost, "/home"},
    {layout::kSupportUpdatesId, kMainSiteHost, "/"},
    {layout::kSupportFirmwareId, kSupportSiteHost, "/categories/20014118-software-manual-downloads"},
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
