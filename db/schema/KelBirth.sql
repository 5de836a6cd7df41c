-- KelBirth.dll: reference articles, the almanac and the poems.
CREATE TABLE Noter (Cid TEXT PRIMARY KEY, Tite TEXT, content TEXT);
-- gn is the solar date as zero-padded text yyyy-mm-dd, so it sorts and compares as a date.
CREATE TABLE huangdao (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT,
                       pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);
CREATE TABLE sg (d_num INTEGER PRIMARY KEY, cd_num INTEGER NOT NULL, d_dynasty TEXT, au_num INTEGER NOT NULL,
                 d_author TEXT, d_title TEXT, d_nr TEXT);
CREATE INDEX sg_dynasty ON sg (cd_num);
CREATE INDEX sg_author ON sg (au_num);
