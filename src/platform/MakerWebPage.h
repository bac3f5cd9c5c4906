#pragma once

// The maker's web page: the Help menu's "Homepage" and the about box open it.
inline constexpr char MakerWebPage[] = "https://www.example.org/quillmarsh/";
