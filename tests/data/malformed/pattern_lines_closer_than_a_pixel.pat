*DENSE0,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE2,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE3,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE4,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE5,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE6,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE7,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE8,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE9,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE10,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE11,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE12,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE13,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE14,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE15,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE16,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE17,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE18,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE19,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE20,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE21,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE22,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE23,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE24,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE25,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE26,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE27,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE28,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE29,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE30,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE31,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE32,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE33,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE34,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE35,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE36,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE37,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE38,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE39,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE40,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE41,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE42,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE43,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE44,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE45,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE46,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE47,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE48,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE49,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE50,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE51,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE52,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE53,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE54,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE55,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE56,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE57,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE58,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE59,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE60,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE61,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE62,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE63,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE64,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE65,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE66,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE67,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE68,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE69,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE70,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE71,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE72,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE73,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE74,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE75,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE76,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE77,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE78,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE79,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE80,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE81,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE82,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE83,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE84,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE85,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE86,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE87,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE88,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE89,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE90,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE91,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE92,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE93,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE94,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE95,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE96,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE97,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE98,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE99,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE100,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE101,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE102,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE103,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE104,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE105,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE106,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE107,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE108,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE109,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE110,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE111,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE112,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE113,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE114,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE115,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE116,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE117,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE118,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE119,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE120,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE121,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE122,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE123,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE124,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE125,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE126,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE127,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE128,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE129,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE130,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE131,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE132,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE133,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE134,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE135,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE136,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE137,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE138,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE139,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE140,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE141,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE142,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE143,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE144,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE145,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE146,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE147,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE148,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE149,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE150,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE151,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE152,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE153,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE154,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE155,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE156,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE157,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE158,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE159,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE160,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE161,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE162,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE163,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE164,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE165,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE166,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE167,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE168,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE169,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE170,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE171,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE172,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE173,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE174,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE175,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE176,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE177,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE178,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE179,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE180,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE181,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE182,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE183,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE184,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE185,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE186,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE187,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE188,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE189,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE190,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE191,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE192,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE193,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE194,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE195,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE196,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE197,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE198,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE199,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE200,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE201,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE202,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE203,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE204,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE205,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE206,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE207,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE208,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE209,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE210,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE211,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE212,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE213,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE214,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE215,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE216,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE217,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE218,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE219,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE220,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE221,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE222,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE223,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE224,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE225,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE226,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE227,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE228,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE229,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE230,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE231,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE232,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE233,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE234,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE235,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE236,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE237,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE238,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE239,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE240,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE241,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE242,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE243,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE244,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE245,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE246,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE247,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE248,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE249,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE250,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE251,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE252,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE253,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE254,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE255,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE256,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE257,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE258,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE259,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE260,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE261,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE262,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE263,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE264,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE265,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE266,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE267,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE268,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE269,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE270,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE271,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE272,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE273,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE274,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE275,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE276,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE277,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE278,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE279,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE280,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE281,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE282,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE283,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE284,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE285,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE286,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE287,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE288,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE289,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE290,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE291,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE292,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE293,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE294,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE295,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE296,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE297,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE298,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE299,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE300,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE301,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE302,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE303,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE304,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE305,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE306,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE307,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE308,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE309,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE310,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE311,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE312,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE313,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE314,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE315,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE316,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE317,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE318,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE319,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE320,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE321,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE322,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE323,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE324,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE325,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE326,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE327,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE328,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE329,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE330,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE331,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE332,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE333,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE334,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE335,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE336,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE337,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE338,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE339,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE340,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE341,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE342,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE343,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE344,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE345,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE346,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE347,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE348,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE349,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE350,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE351,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE352,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE353,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE354,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE355,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE356,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE357,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE358,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE359,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE360,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE361,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE362,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE363,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE364,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE365,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE366,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE367,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE368,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE369,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE370,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE371,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE372,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE373,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE374,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE375,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE376,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE377,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE378,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE379,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE380,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE381,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE382,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE383,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE384,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE385,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE386,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE387,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE388,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE389,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE390,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE391,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE392,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE393,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE394,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE395,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE396,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE397,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE398,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE399,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE400,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE401,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE402,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE403,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE404,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE405,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE406,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE407,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE408,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE409,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE410,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE411,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE412,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE413,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE414,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE415,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE416,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE417,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE418,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE419,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE420,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE421,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE422,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE423,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE424,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE425,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE426,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE427,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE428,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE429,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE430,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE431,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE432,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE433,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE434,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE435,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE436,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE437,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE438,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE439,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE440,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE441,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE442,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE443,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE444,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE445,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE446,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE447,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE448,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE449,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE450,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE451,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE452,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE453,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE454,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE455,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE456,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE457,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE458,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE459,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE460,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE461,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE462,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE463,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE464,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE465,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE466,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE467,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE468,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE469,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE470,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE471,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE472,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE473,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE474,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE475,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE476,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE477,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE478,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE479,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE480,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE481,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE482,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE483,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE484,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE485,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE486,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE487,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE488,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE489,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE490,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE491,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE492,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE493,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE494,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE495,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE496,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE497,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE498,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE499,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE500,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE501,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE502,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE503,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE504,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE505,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE506,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE507,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE508,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE509,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE510,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE511,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE512,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE513,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE514,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE515,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE516,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE517,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE518,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE519,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE520,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE521,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE522,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE523,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE524,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE525,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE526,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE527,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE528,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE529,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE530,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE531,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE532,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE533,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE534,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE535,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE536,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE537,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE538,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE539,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE540,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE541,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE542,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE543,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE544,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE545,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE546,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE547,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE548,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE549,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE550,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE551,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE552,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE553,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE554,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE555,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE556,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE557,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE558,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE559,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE560,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE561,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE562,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE563,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE564,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE565,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE566,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE567,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE568,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE569,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE570,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE571,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE572,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE573,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE574,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE575,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE576,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE577,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE578,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE579,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE580,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE581,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE582,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE583,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE584,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE585,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE586,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE587,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE588,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE589,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE590,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE591,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE592,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE593,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE594,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE595,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE596,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE597,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE598,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE599,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE600,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE601,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE602,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE603,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE604,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE605,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE606,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE607,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE608,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE609,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE610,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE611,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE612,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE613,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE614,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE615,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE616,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE617,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE618,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE619,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE620,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE621,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE622,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE623,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE624,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE625,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE626,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE627,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE628,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE629,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE630,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE631,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE632,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE633,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE634,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE635,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE636,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE637,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE638,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE639,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE640,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE641,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE642,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE643,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE644,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE645,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE646,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE647,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE648,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE649,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE650,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE651,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE652,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE653,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE654,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE655,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE656,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE657,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE658,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE659,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE660,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE661,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE662,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE663,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE664,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE665,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE666,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE667,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE668,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE669,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE670,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE671,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE672,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE673,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE674,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE675,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE676,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE677,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE678,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE679,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE680,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE681,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE682,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE683,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE684,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE685,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE686,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE687,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE688,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE689,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE690,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE691,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE692,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE693,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE694,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE695,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE696,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE697,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE698,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE699,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE700,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE701,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE702,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE703,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE704,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE705,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE706,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE707,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE708,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE709,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE710,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE711,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE712,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE713,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE714,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE715,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE716,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE717,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE718,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE719,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE720,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE721,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE722,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE723,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE724,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE725,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE726,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE727,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE728,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE729,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE730,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE731,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE732,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE733,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE734,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE735,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE736,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE737,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE738,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE739,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE740,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE741,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE742,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE743,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE744,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE745,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE746,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE747,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE748,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE749,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE750,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE751,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE752,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE753,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE754,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE755,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE756,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE757,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE758,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE759,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE760,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE761,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE762,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE763,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE764,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE765,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE766,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE767,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE768,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE769,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE770,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE771,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE772,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE773,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE774,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE775,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE776,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE777,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE778,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE779,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE780,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE781,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE782,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE783,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE784,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE785,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE786,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE787,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE788,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE789,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE790,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE791,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE792,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE793,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE794,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE795,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE796,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE797,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE798,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE799,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE800,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE801,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE802,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE803,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE804,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE805,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE806,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE807,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE808,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE809,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE810,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE811,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE812,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE813,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE814,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE815,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE816,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE817,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE818,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE819,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE820,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE821,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE822,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE823,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE824,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE825,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE826,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE827,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE828,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE829,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE830,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE831,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE832,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE833,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE834,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE835,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE836,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE837,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE838,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE839,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE840,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE841,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE842,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE843,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE844,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE845,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE846,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE847,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE848,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE849,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE850,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE851,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE852,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE853,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE854,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE855,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE856,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE857,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE858,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE859,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE860,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE861,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE862,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE863,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE864,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE865,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE866,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE867,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE868,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE869,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE870,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE871,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE872,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE873,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE874,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE875,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE876,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE877,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE878,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE879,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE880,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE881,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE882,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE883,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE884,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE885,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE886,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE887,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE888,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE889,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE890,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE891,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE892,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE893,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE894,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE895,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE896,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE897,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE898,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE899,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE900,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE901,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE902,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE903,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE904,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE905,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE906,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE907,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE908,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE909,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE910,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE911,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE912,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE913,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE914,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE915,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE916,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE917,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE918,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE919,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE920,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE921,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE922,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE923,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE924,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE925,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE926,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE927,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE928,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE929,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE930,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE931,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE932,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE933,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE934,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE935,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE936,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE937,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE938,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE939,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE940,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE941,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE942,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE943,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE944,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE945,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE946,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE947,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE948,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE949,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE950,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE951,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE952,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE953,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE954,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE955,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE956,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE957,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE958,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE959,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE960,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE961,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE962,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE963,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE964,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE965,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE966,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE967,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE968,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE969,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE970,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE971,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE972,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE973,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE974,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE975,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE976,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE977,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE978,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE979,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE980,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE981,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE982,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE983,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE984,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE985,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE986,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE987,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE988,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE989,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE990,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE991,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE992,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE993,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE994,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE995,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE996,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE997,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE998,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE999,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1000,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1001,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1002,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1003,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1004,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1005,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1006,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1007,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1008,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1009,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1010,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1011,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1012,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1013,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1014,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1015,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1016,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1017,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1018,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1019,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1020,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1021,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1022,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1023,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1024,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1025,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1026,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1027,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1028,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1029,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1030,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1031,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1032,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1033,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1034,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1035,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1036,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1037,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1038,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1039,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1040,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1041,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1042,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1043,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1044,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1045,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1046,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1047,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1048,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1049,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1050,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1051,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1052,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1053,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1054,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1055,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1056,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1057,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1058,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1059,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1060,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1061,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1062,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1063,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1064,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1065,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1066,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1067,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1068,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1069,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1070,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1071,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1072,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1073,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1074,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1075,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1076,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1077,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1078,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1079,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1080,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1081,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1082,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1083,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1084,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1085,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1086,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1087,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1088,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1089,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1090,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1091,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1092,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1093,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1094,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1095,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1096,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1097,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1098,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1099,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1100,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1101,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1102,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1103,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1104,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1105,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1106,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1107,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1108,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1109,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1110,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1111,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1112,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1113,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1114,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1115,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1116,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1117,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1118,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1119,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1120,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1121,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1122,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1123,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1124,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1125,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1126,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1127,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1128,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1129,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1130,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1131,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1132,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1133,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1134,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1135,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1136,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1137,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1138,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1139,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1140,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1141,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1142,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1143,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1144,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1145,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1146,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1147,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1148,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1149,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1150,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1151,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1152,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1153,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1154,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1155,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1156,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1157,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1158,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1159,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1160,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1161,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1162,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1163,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1164,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1165,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1166,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1167,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1168,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1169,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1170,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1171,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1172,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1173,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1174,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1175,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1176,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1177,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1178,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1179,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1180,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1181,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1182,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1183,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1184,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1185,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1186,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1187,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1188,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1189,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1190,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1191,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1192,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1193,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1194,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1195,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1196,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1197,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1198,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1199,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1200,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1201,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1202,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1203,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1204,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1205,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1206,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1207,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1208,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1209,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1210,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1211,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1212,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1213,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1214,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1215,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1216,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1217,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1218,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1219,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1220,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1221,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1222,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1223,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1224,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1225,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1226,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1227,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1228,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1229,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1230,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1231,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1232,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1233,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1234,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1235,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1236,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1237,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1238,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1239,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1240,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1241,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1242,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1243,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1244,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1245,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1246,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1247,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1248,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1249,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1250,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1251,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1252,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1253,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1254,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1255,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1256,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1257,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1258,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1259,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1260,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1261,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1262,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1263,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1264,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1265,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1266,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1267,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1268,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1269,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1270,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1271,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1272,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1273,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1274,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1275,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1276,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1277,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1278,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1279,lines a millionth apart
0, 0,0, 0,1e-6
*DENSE1280,lines a millionth apart
0, 0,0, 0,1e-6
