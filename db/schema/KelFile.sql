-- KelFile.dll: the 81 number texts and the three-talent grades and texts.
CREATE TABLE "81" (num INTEGER PRIMARY KEY, yy TEXT, jx TEXT, "as" TEXT, content TEXT);
CREATE TABLE sancai (title TEXT PRIMARY KEY, djc INTEGER NOT NULL);
CREATE TABLE sancai2009 (title TEXT PRIMARY KEY, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT,
                         rjgx TEXT, jx3 TEXT, xg TEXT);
