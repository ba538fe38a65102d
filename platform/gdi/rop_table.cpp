// The 256 ternary raster operations: each documented code with its formula in reverse Polish
// notation (P pattern, S source, D destination; a and, o or, x xor, n not), written out in C
// in each row's comment.
#include "gdi/rop_table.h"

namespace platform::gdi {

const std::array<Rop3Entry, 256> kRop3Table = {{
    {0x00000042, "0"},           /* 0x00 0  BLACKNESS */
    {0x00010289, "DPSoon"},      /* 0x01 ~(D | (P | S)) */
    {0x00020C89, "DPSona"},      /* 0x02 D & ~(P | S) */
    {0x000300AA, "PSon"},        /* 0x03 ~(P | S) */
    {0x00040C88, "SDPona"},      /* 0x04 S & ~(D | P) */
    {0x000500A9, "DPon"},        /* 0x05 ~(D | P) */
    {0x00060865, "PDSxnon"},     /* 0x06 ~(P | ~(D ^ S)) */
    {0x000702C5, "PDSaon"},      /* 0x07 ~(P | (D & S)) */
    {0x00080F08, "SDPnaa"},      /* 0x08 S & (D & ~P) */
    {0x00090245, "PDSxon"},      /* 0x09 ~(P | (D ^ S)) */
    {0x000A0329, "DPna"},        /* 0x0A D & ~P */
    {0x000B0B2A, "PSDnaon"},     /* 0x0B ~(P | (S & ~D)) */
    {0x000C0324, "SPna"},        /* 0x0C S & ~P */
    {0x000D0B25, "PDSnaon"},     /* 0x0D ~(P | (D & ~S)) */
    {0x000E08A5, "PDSonon"},     /* 0x0E ~(P | ~(D | S)) */
    {0x000F0001, "Pn"},          /* 0x0F ~P */
    {0x00100C85, "PDSona"},      /* 0x10 P & ~(D | S) */
    {0x001100A6, "DSon"},        /* 0x11 ~(D | S)  NOTSRCERASE */
    {0x00120868, "SDPxnon"},     /* 0x12 ~(S | ~(D ^ P)) */
    {0x001302C8, "SDPaon"},      /* 0x13 ~(S | (D & P)) */
    {0x00140869, "DPSxnon"},     /* 0x14 ~(D | ~(P ^ S)) */
    {0x001502C9, "DPSaon"},      /* 0x15 ~(D | (P & S)) */
    {0x00165CCA, "PSDPSanaxx"},  /* 0x16 P ^ (S ^ (D & ~(P & S))) */
    {0x00171D54, "SSPxDSxaxn"},  /* 0x17 ~(S ^ ((S ^ P) & (D ^ S))) */
    {0x00180D59, "SPxPDxa"},     /* 0x18 (S ^ P) & (P ^ D) */
    {0x00191CC8, "SDPSanaxn"},   /* 0x19 ~(S ^ (D & ~(P & S))) */
    {0x001A06C5, "PDSPaox"},     /* 0x1A P ^ (D | (S & P)) */
    {0x001B0768, "SDPSxaxn"},    /* 0x1B ~(S ^ (D & (P ^ S))) */
    {0x001C06CA, "PSDPaox"},     /* 0x1C P ^ (S | (D & P)) */
    {0x001D0766, "DSPDxaxn"},    /* 0x1D ~(D ^ (S & (P ^ D))) */
    {0x001E01A5, "PDSox"},       /* 0x1E P ^ (D | S) */
    {0x001F0385, "PDSoan"},      /* 0x1F ~(P & (D | S)) */
    {0x00200F09, "DPSnaa"},      /* 0x20 D & (P & ~S) */
    {0x00210248, "SDPxon"},      /* 0x21 ~(S | (D ^ P)) */
    {0x00220326, "DSna"},        /* 0x22 D & ~S */
    {0x00230B24, "SPDnaon"},     /* 0x23 ~(S | (P & ~D)) */
    {0x00240D55, "SPxDSxa"},     /* 0x24 (S ^ P) & (D ^ S) */
    {0x00251CC5, "PDSPanaxn"},   /* 0x25 ~(P ^ (D & ~(S & P))) */
    {0x002606C8, "SDPSaox"},     /* 0x26 S ^ (D | (P & S)) */
    {0x00271868, "SDPSxnox"},    /* 0x27 S ^ (D | ~(P ^ S)) */
    {0x00280369, "DPSxa"},       /* 0x28 D & (P ^ S) */
    {0x002916CA, "PSDPSaoxxn"},  /* 0x29 ~(P ^ (S ^ (D | (P & S)))) */
    {0x002A0CC9, "DPSana"},      /* 0x2A D & ~(P & S) */
    {0x002B1D58, "SSPxPDxaxn"},  /* 0x2B ~(S ^ ((S ^ P) & (P ^ D))) */
    {0x002C0784, "SPDSoax"},     /* 0x2C S ^ (P & (D | S)) */
    {0x002D060A, "PSDnox"},      /* 0x2D P ^ (S | ~D) */
    {0x002E064A, "PSDPxox"},     /* 0x2E P ^ (S | (D ^ P)) */
    {0x002F0E2A, "PSDnoan"},     /* 0x2F ~(P & (S | ~D)) */
    {0x0030032A, "PSna"},        /* 0x30 P & ~S */
    {0x00310B28, "SDPnaon"},     /* 0x31 ~(S | (D & ~P)) */
    {0x00320688, "SDPSoox"},     /* 0x32 S ^ (D | (P | S)) */
    {0x00330008, "Sn"},          /* 0x33 ~S  NOTSRCCOPY */
    {0x003406C4, "SPDSaox"},     /* 0x34 S ^ (P | (D & S)) */
    {0x00351864, "SPDSxnox"},    /* 0x35 S ^ (P | ~(D ^ S)) */
    {0x003601A8, "SDPox"},       /* 0x36 S ^ (D | P) */
    {0x00370388, "SDPoan"},      /* 0x37 ~(S & (D | P)) */
    {0x0038078A, "PSDPoax"},     /* 0x38 P ^ (S & (D | P)) */
    {0x00390604, "SPDnox"},      /* 0x39 S ^ (P | ~D) */
    {0x003A0644, "SPDSxox"},     /* 0x3A S ^ (P | (D ^ S)) */
    {0x003B0E24, "SPDnoan"},     /* 0x3B ~(S & (P | ~D)) */
    {0x003C004A, "PSx"},         /* 0x3C P ^ S */
    {0x003D18A4, "SPDSonox"},    /* 0x3D S ^ (P | ~(D | S)) */
    {0x003E1B24, "SPDSnaox"},    /* 0x3E S ^ (P | (D & ~S)) */
    {0x003F00EA, "PSan"},        /* 0x3F ~(P & S) */
    {0x00400F0A, "PSDnaa"},      /* 0x40 P & (S & ~D) */
    {0x00410249, "DPSxon"},      /* 0x41 ~(D | (P ^ S)) */
    {0x00420D5D, "SDxPDxa"},     /* 0x42 (S ^ D) & (P ^ D) */
    {0x00431CC4, "SPDSanaxn"},   /* 0x43 ~(S ^ (P & ~(D & S))) */
    {0x00440328, "SDna"},        /* 0x44 S & ~D  SRCERASE */
    {0x00450B29, "DPSnaon"},     /* 0x45 ~(D | (P & ~S)) */
    {0x004606C6, "DSPDaox"},     /* 0x46 D ^ (S | (P & D)) */
    {0x0047076A, "PSDPxaxn"},    /* 0x47 ~(P ^ (S & (D ^ P))) */
    {0x00480368, "SDPxa"},       /* 0x48 S & (D ^ P) */
    {0x004916C5, "PDSPDaoxxn"},  /* 0x49 ~(P ^ (D ^ (S | (P & D)))) */
    {0x004A0789, "DPSDoax"},     /* 0x4A D ^ (P & (S | D)) */
    {0x004B0605, "PDSnox"},      /* 0x4B P ^ (D | ~S) */
    {0x004C0CC8, "SDPana"},      /* 0x4C S & ~(D & P) */
    {0x004D1954, "SSPxDSxoxn"},  /* 0x4D ~(S ^ ((S ^ P) | (D ^ S))) */
    {0x004E0645, "PDSPxox"},     /* 0x4E P ^ (D | (S ^ P)) */
    {0x004F0E25, "PDSnoan"},     /* 0x4F ~(P & (D | ~S)) */
    {0x00500325, "PDna"},        /* 0x50 P & ~D */
    {0x00510B26, "DSPnaon"},     /* 0x51 ~(D | (S & ~P)) */
    {0x005206C9, "DPSDaox"},     /* 0x52 D ^ (P | (S & D)) */
    {0x00530764, "SPDSxaxn"},    /* 0x53 ~(S ^ (P & (D ^ S))) */
    {0x005408A9, "DPSonon"},     /* 0x54 ~(D | ~(P | S)) */
    {0x00550009, "Dn"},          /* 0x55 ~D  DSTINVERT */
    {0x005601A9, "DPSox"},       /* 0x56 D ^ (P | S) */
    {0x00570389, "DPSoan"},      /* 0x57 ~(D & (P | S)) */
    {0x00580785, "PDSPoax"},     /* 0x58 P ^ (D & (S | P)) */
    {0x00590609, "DPSnox"},      /* 0x59 D ^ (P | ~S) */
    {0x005A0049, "DPx"},         /* 0x5A D ^ P  PATINVERT */
    {0x005B18A9, "DPSDonox"},    /* 0x5B D ^ (P | ~(S | D)) */
    {0x005C0649, "DPSDxox"},     /* 0x5C D ^ (P | (S ^ D)) */
    {0x005D0E29, "DPSnoan"},     /* 0x5D ~(D & (P | ~S)) */
    {0x005E1B29, "DPSDnaox"},    /* 0x5E D ^ (P | (S & ~D)) */
    {0x005F00E9, "DPan"},        /* 0x5F ~(D & P) */
    {0x00600365, "PDSxa"},       /* 0x60 P & (D ^ S) */
    {0x006116C6, "DSPDSaoxxn"},  /* 0x61 ~(D ^ (S ^ (P | (D & S)))) */
    {0x00620786, "DSPDoax"},     /* 0x62 D ^ (S & (P | D)) */
    {0x00630608, "SDPnox"},      /* 0x63 S ^ (D | ~P) */
    {0x00640788, "SDPSoax"},     /* 0x64 S ^ (D & (P | S)) */
    {0x00650606, "DSPnox"},      /* 0x65 D ^ (S | ~P) */
    {0x00660046, "DSx"},         /* 0x66 D ^ S  SRCINVERT */
    {0x006718A8, "SDPSonox"},    /* 0x67 S ^ (D | ~(P | S)) */
    {0x006858A6, "DSPDSonoxxn"}, /* 0x68 ~(D ^ (S ^ (P | ~(D | S)))) */
    {0x00690145, "PDSxxn"},      /* 0x69 ~(P ^ (D ^ S)) */
    {0x006A01E9, "DPSax"},       /* 0x6A D ^ (P & S) */
    {0x006B178A, "PSDPSoaxxn"},  /* 0x6B ~(P ^ (S ^ (D & (P | S)))) */
    {0x006C01E8, "SDPax"},       /* 0x6C S ^ (D & P) */
    {0x006D1785, "PDSPDoaxxn"},  /* 0x6D ~(P ^ (D ^ (S & (P | D)))) */
    {0x006E1E28, "SDPSnoax"},    /* 0x6E S ^ (D & (P | ~S)) */
    {0x006F0C65, "PDSxnan"},     /* 0x6F ~(P & ~(D ^ S)) */
    {0x00700CC5, "PDSana"},      /* 0x70 P & ~(D & S) */
    {0x00711D5C, "SSDxPDxaxn"},  /* 0x71 ~(S ^ ((S ^ D) & (P ^ D))) */
    {0x00720648, "SDPSxox"},     /* 0x72 S ^ (D | (P ^ S)) */
    {0x00730E28, "SDPnoan"},     /* 0x73 ~(S & (D | ~P)) */
    {0x00740646, "DSPDxox"},     /* 0x74 D ^ (S | (P ^ D)) */
    {0x00750E26, "DSPnoan"},     /* 0x75 ~(D & (S | ~P)) */
    {0x00761B28, "SDPSnaox"},    /* 0x76 S ^ (D | (P & ~S)) */
    {0x007700E6, "DSan"},        /* 0x77 ~(D & S) */
    {0x007801E5, "PDSax"},       /* 0x78 P ^ (D & S) */
    {0x00791786, "DSPDSoaxxn"},  /* 0x79 ~(D ^ (S ^ (P & (D | S)))) */
    {0x007A1E29, "DPSDnoax"},    /* 0x7A D ^ (P & (S | ~D)) */
    {0x007B0C68, "SDPxnan"},     /* 0x7B ~(S & ~(D ^ P)) */
    {0x007C1E24, "SPDSnoax"},    /* 0x7C S ^ (P & (D | ~S)) */
    {0x007D0C69, "DPSxnan"},     /* 0x7D ~(D & ~(P ^ S)) */
    {0x007E0955, "SPxDSxo"},     /* 0x7E (S ^ P) | (D ^ S) */
    {0x007F03C9, "DPSaan"},      /* 0x7F ~(D & (P & S)) */
    {0x008003E9, "DPSaa"},       /* 0x80 D & (P & S) */
    {0x00810975, "SPxDSxon"},    /* 0x81 ~((S ^ P) | (D ^ S)) */
    {0x00820C49, "DPSxna"},      /* 0x82 D & ~(P ^ S) */
    {0x00831E04, "SPDSnoaxn"},   /* 0x83 ~(S ^ (P & (D | ~S))) */
    {0x00840C48, "SDPxna"},      /* 0x84 S & ~(D ^ P) */
    {0x00851E05, "PDSPnoaxn"},   /* 0x85 ~(P ^ (D & (S | ~P))) */
    {0x008617A6, "DSPDSoaxx"},   /* 0x86 D ^ (S ^ (P & (D | S))) */
    {0x008701C5, "PDSaxn"},      /* 0x87 ~(P ^ (D & S)) */
    {0x008800C6, "DSa"},         /* 0x88 D & S  SRCAND */
    {0x00891B08, "SDPSnaoxn"},   /* 0x89 ~(S ^ (D | (P & ~S))) */
    {0x008A0E06, "DSPnoa"},      /* 0x8A D & (S | ~P) */
    {0x008B0666, "DSPDxoxn"},    /* 0x8B ~(D ^ (S | (P ^ D))) */
    {0x008C0E08, "SDPnoa"},      /* 0x8C S & (D | ~P) */
    {0x008D0668, "SDPSxoxn"},    /* 0x8D ~(S ^ (D | (P ^ S))) */
    {0x008E1D7C, "SSDxPDxax"},   /* 0x8E S ^ ((S ^ D) & (P ^ D)) */
    {0x008F0CE5, "PDSanan"},     /* 0x8F ~(P & ~(D & S)) */
    {0x00900C45, "PDSxna"},      /* 0x90 P & ~(D ^ S) */
    {0x00911E08, "SDPSnoaxn"},   /* 0x91 ~(S ^ (D & (P | ~S))) */
    {0x009217A9, "DPSDPoaxx"},   /* 0x92 D ^ (P ^ (S & (D | P))) */
    {0x009301C4, "SPDaxn"},      /* 0x93 ~(S ^ (P & D)) */
    {0x009417AA, "PSDPSoaxx"},   /* 0x94 P ^ (S ^ (D & (P | S))) */
    {0x009501C9, "DPSaxn"},      /* 0x95 ~(D ^ (P & S)) */
    {0x00960169, "DPSxx"},       /* 0x96 D ^ (P ^ S) */
    {0x0097588A, "PSDPSonoxx"},  /* 0x97 P ^ (S ^ (D | ~(P | S))) */
    {0x00981888, "SDPSonoxn"},   /* 0x98 ~(S ^ (D | ~(P | S))) */
    {0x00990066, "DSxn"},        /* 0x99 ~(D ^ S) */
    {0x009A0709, "DPSnax"},      /* 0x9A D ^ (P & ~S) */
    {0x009B07A8, "SDPSoaxn"},    /* 0x9B ~(S ^ (D & (P | S))) */
    {0x009C0704, "SPDnax"},      /* 0x9C S ^ (P & ~D) */
    {0x009D07A6, "DSPDoaxn"},    /* 0x9D ~(D ^ (S & (P | D))) */
    {0x009E16E6, "DSPDSaoxx"},   /* 0x9E D ^ (S ^ (P | (D & S))) */
    {0x009F0345, "PDSxan"},      /* 0x9F ~(P & (D ^ S)) */
    {0x00A000C9, "DPa"},         /* 0xA0 D & P */
    {0x00A11B05, "PDSPnaoxn"},   /* 0xA1 ~(P ^ (D | (S & ~P))) */
    {0x00A20E09, "DPSnoa"},      /* 0xA2 D & (P | ~S) */
    {0x00A30669, "DPSDxoxn"},    /* 0xA3 ~(D ^ (P | (S ^ D))) */
    {0x00A41885, "PDSPonoxn"},   /* 0xA4 ~(P ^ (D | ~(S | P))) */
    {0x00A50065, "PDxn"},        /* 0xA5 ~(P ^ D) */
    {0x00A60706, "DSPnax"},      /* 0xA6 D ^ (S & ~P) */
    {0x00A707A5, "PDSPoaxn"},    /* 0xA7 ~(P ^ (D & (S | P))) */
    {0x00A803A9, "DPSoa"},       /* 0xA8 D & (P | S) */
    {0x00A90189, "DPSoxn"},      /* 0xA9 ~(D ^ (P | S)) */
    {0x00AA0029, "D"},           /* 0xAA D */
    {0x00AB0889, "DPSono"},      /* 0xAB D | ~(P | S) */
    {0x00AC0744, "SPDSxax"},     /* 0xAC S ^ (P & (D ^ S)) */
    {0x00AD06E9, "DPSDaoxn"},    /* 0xAD ~(D ^ (P | (S & D))) */
    {0x00AE0B06, "DSPnao"},      /* 0xAE D | (S & ~P) */
    {0x00AF0229, "DPno"},        /* 0xAF D | ~P */
    {0x00B00E05, "PDSnoa"},      /* 0xB0 P & (D | ~S) */
    {0x00B10665, "PDSPxoxn"},    /* 0xB1 ~(P ^ (D | (S ^ P))) */
    {0x00B21974, "SSPxDSxox"},   /* 0xB2 S ^ ((S ^ P) | (D ^ S)) */
    {0x00B30CE8, "SDPanan"},     /* 0xB3 ~(S & ~(D & P)) */
    {0x00B4070A, "PSDnax"},      /* 0xB4 P ^ (S & ~D) */
    {0x00B507A9, "DPSDoaxn"},    /* 0xB5 ~(D ^ (P & (S | D))) */
    {0x00B616E9, "DPSDPaoxx"},   /* 0xB6 D ^ (P ^ (S | (D & P))) */
    {0x00B70348, "SDPxan"},      /* 0xB7 ~(S & (D ^ P)) */
    {0x00B8074A, "PSDPxax"},     /* 0xB8 P ^ (S & (D ^ P)) */
    {0x00B906E6, "DSPDaoxn"},    /* 0xB9 ~(D ^ (S | (P & D))) */
    {0x00BA0B09, "DPSnao"},      /* 0xBA D | (P & ~S) */
    {0x00BB0226, "DSno"},        /* 0xBB D | ~S  MERGEPAINT */
    {0x00BC1CE4, "SPDSanax"},    /* 0xBC S ^ (P & ~(D & S)) */
    {0x00BD0D7D, "SDxPDxan"},    /* 0xBD ~((S ^ D) & (P ^ D)) */
    {0x00BE0269, "DPSxo"},       /* 0xBE D | (P ^ S) */
    {0x00BF08C9, "DPSano"},      /* 0xBF D | ~(P & S) */
    {0x00C000CA, "PSa"},         /* 0xC0 P & S  MERGECOPY */
    {0x00C11B04, "SPDSnaoxn"},   /* 0xC1 ~(S ^ (P | (D & ~S))) */
    {0x00C21884, "SPDSonoxn"},   /* 0xC2 ~(S ^ (P | ~(D | S))) */
    {0x00C3006A, "PSxn"},        /* 0xC3 ~(P ^ S) */
    {0x00C40E04, "SPDnoa"},      /* 0xC4 S & (P | ~D) */
    {0x00C50664, "SPDSxoxn"},    /* 0xC5 ~(S ^ (P | (D ^ S))) */
    {0x00C60708, "SDPnax"},      /* 0xC6 S ^ (D & ~P) */
    {0x00C707AA, "PSDPoaxn"},    /* 0xC7 ~(P ^ (S & (D | P))) */
    {0x00C803A8, "SDPoa"},       /* 0xC8 S & (D | P) */
    {0x00C90184, "SPDoxn"},      /* 0xC9 ~(S ^ (P | D)) */
    {0x00CA0749, "DPSDxax"},     /* 0xCA D ^ (P & (S ^ D)) */
    {0x00CB06E4, "SPDSaoxn"},    /* 0xCB ~(S ^ (P | (D & S))) */
    {0x00CC0020, "S"},           /* 0xCC S  SRCCOPY */
    {0x00CD0888, "SDPono"},      /* 0xCD S | ~(D | P) */
    {0x00CE0B08, "SDPnao"},      /* 0xCE S | (D & ~P) */
    {0x00CF0224, "SPno"},        /* 0xCF S | ~P */
    {0x00D00E0A, "PSDnoa"},      /* 0xD0 P & (S | ~D) */
    {0x00D1066A, "PSDPxoxn"},    /* 0xD1 ~(P ^ (S | (D ^ P))) */
    {0x00D20705, "PDSnax"},      /* 0xD2 P ^ (D & ~S) */
    {0x00D307A4, "SPDSoaxn"},    /* 0xD3 ~(S ^ (P & (D | S))) */
    {0x00D41D78, "SSPxPDxax"},   /* 0xD4 S ^ ((S ^ P) & (P ^ D)) */
    {0x00D50CE9, "DPSanan"},     /* 0xD5 ~(D & ~(P & S)) */
    {0x00D616EA, "PSDPSaoxx"},   /* 0xD6 P ^ (S ^ (D | (P & S))) */
    {0x00D70349, "DPSxan"},      /* 0xD7 ~(D & (P ^ S)) */
    {0x00D80745, "PDSPxax"},     /* 0xD8 P ^ (D & (S ^ P)) */
    {0x00D906E8, "SDPSaoxn"},    /* 0xD9 ~(S ^ (D | (P & S))) */
    {0x00DA1CE9, "DPSDanax"},    /* 0xDA D ^ (P & ~(S & D)) */
    {0x00DB0D75, "SPxDSxan"},    /* 0xDB ~((S ^ P) & (D ^ S)) */
    {0x00DC0B04, "SPDnao"},      /* 0xDC S | (P & ~D) */
    {0x00DD0228, "SDno"},        /* 0xDD S | ~D */
    {0x00DE0268, "SDPxo"},       /* 0xDE S | (D ^ P) */
    {0x00DF08C8, "SDPano"},      /* 0xDF S | ~(D & P) */
    {0x00E003A5, "PDSoa"},       /* 0xE0 P & (D | S) */
    {0x00E10185, "PDSoxn"},      /* 0xE1 ~(P ^ (D | S)) */
    {0x00E20746, "DSPDxax"},     /* 0xE2 D ^ (S & (P ^ D)) */
    {0x00E306EA, "PSDPaoxn"},    /* 0xE3 ~(P ^ (S | (D & P))) */
    {0x00E40748, "SDPSxax"},     /* 0xE4 S ^ (D & (P ^ S)) */
    {0x00E506E5, "PDSPaoxn"},    /* 0xE5 ~(P ^ (D | (S & P))) */
    {0x00E61CE8, "SDPSanax"},    /* 0xE6 S ^ (D & ~(P & S)) */
    {0x00E70D79, "SPxPDxan"},    /* 0xE7 ~((S ^ P) & (P ^ D)) */
    {0x00E81D74, "SSPxDSxax"},   /* 0xE8 S ^ ((S ^ P) & (D ^ S)) */
    {0x00E95CE6, "DSPDSanaxxn"}, /* 0xE9 ~(D ^ (S ^ (P & ~(D & S)))) */
    {0x00EA02E9, "DPSao"},       /* 0xEA D | (P & S) */
    {0x00EB0849, "DPSxno"},      /* 0xEB D | ~(P ^ S) */
    {0x00EC02E8, "SDPao"},       /* 0xEC S | (D & P) */
    {0x00ED0848, "SDPxno"},      /* 0xED S | ~(D ^ P) */
    {0x00EE0086, "DSo"},         /* 0xEE D | S  SRCPAINT */
    {0x00EF0A08, "SDPnoo"},      /* 0xEF S | (D | ~P) */
    {0x00F00021, "P"},           /* 0xF0 P  PATCOPY */
    {0x00F10885, "PDSono"},      /* 0xF1 P | ~(D | S) */
    {0x00F20B05, "PDSnao"},      /* 0xF2 P | (D & ~S) */
    {0x00F3022A, "PSno"},        /* 0xF3 P | ~S */
    {0x00F40B0A, "PSDnao"},      /* 0xF4 P | (S & ~D) */
    {0x00F50225, "PDno"},        /* 0xF5 P | ~D */
    {0x00F60265, "PDSxo"},       /* 0xF6 P | (D ^ S) */
    {0x00F708C5, "PDSano"},      /* 0xF7 P | ~(D & S) */
    {0x00F802E5, "PDSao"},       /* 0xF8 P | (D & S) */
    {0x00F90845, "PDSxno"},      /* 0xF9 P | ~(D ^ S) */
    {0x00FA0089, "DPo"},         /* 0xFA D | P */
    {0x00FB0A09, "DPSnoo"},      /* 0xFB D | (P | ~S)  PATPAINT */
    {0x00FC008A, "PSo"},         /* 0xFC P | S */
    {0x00FD0A0A, "PSDnoo"},      /* 0xFD P | (S | ~D) */
    {0x00FE02A9, "DPSoo"},       /* 0xFE D | (P | S) */
    {0x00FF0062, "1"},           /* 0xFF 1  WHITENESS */
}};

}  // namespace platform::gdi
