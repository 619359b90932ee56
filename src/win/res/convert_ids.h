// Resource ids of the free conversion dialog "自由変換".
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_FREE_CONVERSION 1760
#define IDC_FC_BEFORE_1 1761
#define IDC_FC_BEFORE_2 1762
#define IDC_FC_BEFORE_3 1763
#define IDC_FC_BEFORE_4 1764
#define IDC_FC_BEFORE_5 1765
#define IDC_FC_BEFORE_6 1766
#define IDC_FC_BEFORE_7 1767
#define IDC_FC_BEFORE_8 1768
#define IDC_FC_BEFORE_9 1769
#define IDC_FC_BEFORE_10 1770
#define IDC_FC_AFTER_1 1771
#define IDC_FC_AFTER_2 1772
#define IDC_FC_AFTER_3 1773
#define IDC_FC_AFTER_4 1774
#define IDC_FC_AFTER_5 1775
#define IDC_FC_AFTER_6 1776
#define IDC_FC_AFTER_7 1777
#define IDC_FC_AFTER_8 1778
#define IDC_FC_AFTER_9 1779
#define IDC_FC_AFTER_10 1780
#define IDC_FC_CLASSES 1781
#define IDC_FC_INSERT 1782
#define IDC_FC_NEW_DOCUMENT 1783
#define IDC_FC_ESCAPES 1784
