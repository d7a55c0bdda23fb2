<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>Kontakt</title>
<link rel="stylesheet" type="text/css" href="stil/haupt.css">
</head>
<body>
<p class="nav"><a href="index.htm">Startseite</a> | <a href="verein/geschichte.htm">Geschichte</a> | <a href="kontakt.asp">Kontakt</a></p>
<h1>Kontakt</h1>
<% If Request("senden") <> "" Then %>
<p>Danke für Ihre Nachricht!</p>
<% End If %>
<form method="post"><input name="senden" type="submit" value="Absenden"></form>
</body>
</html>
