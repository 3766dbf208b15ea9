#pragma once
// Who orders are sent to: shown on the order form and printed on the page.

inline constexpr char gstrPayee[] = "Quillet Software";
inline constexpr char gstrVendorAddress1[] = "PO Box 100";
inline constexpr char gstrVendorAddress2[] = "Springfield, IL 62701";
inline constexpr char gstrSupportEmail[] = "support@quillet.example";
